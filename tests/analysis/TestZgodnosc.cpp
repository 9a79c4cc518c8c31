// The lines against the direct sum over the loads, with the statics, on the examples and random tasks.
#include "LosoweZadania.h"
#include "SumaBezposrednia.h"

#include "analysis/Analiza.h"
#include "analysis/Linie.h"
#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"
#include "tools/przyklady/Przyklady.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Dokladnosc = 1e-9;

// One line of one span: where its values are read, the reference values there.
struct TLiniaWzorcowa {
    TProbkiLinii Probki;
    std::vector<double> Wartosci;
};

struct TLicznik {
    long Punkty = 0;
    long PozaProbkami = 0; // exact extremes beyond the sampled ones
};

void PorownajKombinacje(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, TLicznik& licznik)
{
    const int32_t n = zad.IloscPrzesel;
    // Reference values first: the scale is the combination's largest value.
    std::vector<TLiniaWzorcowa> M(static_cast<size_t>(n)), T(static_cast<size_t>(n));
    double skalaM = 0, skalaT = 0;
    for (int32_t s = 0; s < n; ++s) {
        const float L = zad.Przesla[size_t(s)].L;
        const TObciazeniaPrzesla obc = ObciazeniaWKombinacji(zad, c, s);
        const std::vector<float>& g = wyn.Wielomiany[size_t(c)][size_t(s)].Granice();
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[size_t(c)][size_t(s)];
        const TSilyPrzesla& f = wyn.SilyKoncowe[size_t(c)][size_t(s)];
        M[size_t(s)].Probki = ProbkiMomentow(obc, L, g);
        T[size_t(s)].Probki = ProbkiTnacych(obc, L, g);
        const auto wzorzec = [](TLiniaWzorcowa& l, double poczatek, double koniec, auto wartosc) {
            const auto& p = l.Probki.Punkty;
            l.Wartosci.resize(p.size());
            for (size_t i = 0; i < p.size(); ++i)
                l.Wartosci[i] = i == 0 ? poczatek : i + 1 == p.size() ? koniec : wartosc(p[i].Przekroj);
        };
        wzorzec(M[size_t(s)], m.MomentL, -m.MomentP,
                [&](float x) { return MomentBezposrednio(obc, m.MomentL, f.TL, x); });
        wzorzec(T[size_t(s)], -f.TL - obc.SilyNaPoczatku(), f.TP + obc.SilyNaKoncu(L),
                [&](float x) { return TnacaBezposrednio(obc, f.TL, x); });
        for (const double v : M[size_t(s)].Wartosci)
            skalaM = std::max(skalaM, std::fabs(v));
        for (const double v : T[size_t(s)].Wartosci)
            skalaT = std::max(skalaT, std::fabs(v));
    }
    const double tolM = Dokladnosc * std::max(skalaM, 1.0), tolT = Dokladnosc * std::max(skalaT, 1.0);

    // Statics: the sum reaches the right end, ΣR = ΣP, and both spans meet in one number at every
    // inner support (the rotations once passed through single precision: "−76,12" against "−76,11").
    double reakcje = 0, obciazenie = 0;
    for (int32_t k = 0; k <= n; ++k)
        reakcje += Reakcja(wyn, c, k, n);
    for (int32_t s = 0; s < n; ++s) {
        SCOPED_TRACE("combination " + std::to_string(c + 1) + ", span " + std::to_string(s + 1));
        const float L = zad.Przesla[size_t(s)].L;
        const TObciazeniaPrzesla obc = ObciazeniaWKombinacji(zad, c, s);
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[size_t(c)][size_t(s)];
        const TSilyPrzesla& f = wyn.SilyKoncowe[size_t(c)][size_t(s)];
        obciazenie += SumaObciazen(obc);
        EXPECT_NEAR(MomentBezposrednio(obc, m.MomentL, f.TL, L), -m.MomentP, tolM);
        EXPECT_NEAR(TnacaBezposrednio(obc, f.TL, L), f.TP, tolT);
        if (s + 1 < n) {
            const double lewy = MomentZWykresu(zad, wyn, c, s, L), prawy = MomentZWykresu(zad, wyn, c, s + 1, 0);
            EXPECT_EQ(std::pair(lewy, prawy),
                      std::pair(-m.MomentP, wyn.MomentyKoncowe[size_t(c)][size_t(s) + 1].MomentL));
            EXPECT_NEAR(lewy, prawy, 1e-11 * std::max(1.0, std::fabs(lewy)));
            EXPECT_EQ(FormatujMaska(lewy, Maska::Wartosc, ','), FormatujMaska(prawy, Maska::Wartosc, ','));
        }
    }
    EXPECT_NEAR(reakcje, obciazenie, tolT) << "combination " << c + 1 << ": ΣR = ΣP";

    for (int32_t s = 0; s < n; ++s) {
        const float L = zad.Przesla[size_t(s)].L;
        const struct {
            const char* nazwa;
            const TLiniaWzorcowa& wzor;
            const std::vector<TPunktWykresu>& linia;
            const TEkstrema& ekstrema;
            TEkstrema dokladne;
            double tol;
            bool momenty;
        } rodzaje[] = {
            {"M", M[size_t(s)], wyn.WykresM[size_t(c)][size_t(s)], wyn.EkstremaM[size_t(c)][size_t(s)],
             EkstremaDokladneM(zad, wyn, c, s), tolM, true},
            {"T", T[size_t(s)], wyn.WykresT[size_t(c)][size_t(s)], wyn.EkstremaT[size_t(c)][size_t(s)],
             EkstremaDokladneT(zad, wyn, c, s), tolT, false},
        };
        for (const auto& r : rodzaje) {
            SCOPED_TRACE(std::string(r.nazwa) + ", combination " + std::to_string(c + 1) + ", span " +
                         std::to_string(s + 1) + ", L = " + std::to_string(L));
            const auto& p = r.wzor.Probki.Punkty;
            ASSERT_EQ(r.linia.size(), p.size());
            TEkstrema wzorcowe;
            for (size_t i = 0; i < p.size(); ++i) {
                ASSERT_EQ(r.linia[i].X, p[i].X) << i;
                ASSERT_NEAR(r.linia[i].Wartosc, r.wzor.Wartosci[i], r.tol)
                    << "point " << i << " at " << p[i].X << " read at " << p[i].Przekroj;
                DodajDoEkstremow(wzorcowe, {p[i].X, r.wzor.Wartosci[i]});
            }
            licznik.Punkty += long(p.size());
            ASSERT_NEAR(r.ekstrema.Max, wzorcowe.Max, r.tol);
            ASSERT_NEAR(r.ekstrema.Min, wzorcowe.Min, r.tol);

            // The exact extremes reach at least as far as the samples and lie on the line: the direct sum at
            // their x, either side of a jump there, or an end value.
            const TObciazeniaPrzesla obc = ObciazeniaWKombinacji(zad, c, s);
            const TMomentyPrzesla& m = wyn.MomentyKoncowe[size_t(c)][size_t(s)];
            const double TL = wyn.SilyKoncowe[size_t(c)][size_t(s)].TL;
            for (const auto& [znak, jest, dokladna, xd, probkowana] :
                 {std::tuple(1.0, r.dokladne.JestMax, r.dokladne.Max, r.dokladne.XMax, r.ekstrema.Max),
                  std::tuple(-1.0, r.dokladne.JestMin, -r.dokladne.Min, r.dokladne.XMin, -r.ekstrema.Min)}) {
                ASSERT_GE(dokladna, probkowana - r.tol);
                if (!jest) // no value of that sign: 0
                    continue;
                licznik.PozaProbkami += dokladna > probkowana + r.tol;
                const double prawa =
                    r.momenty ? MomentBezposrednio(obc, m.MomentL, TL, xd) : TnacaBezposrednio(obc, TL, xd);
                double lewa = prawa;
                for (const auto& mo : obc.Momenty)
                    lewa -= r.momenty && mo.X == xd ? mo.Wartosc : 0;
                for (const auto& f : obc.Sily)
                    lewa += !r.momenty && f.X == xd ? f.Wartosc : 0;
                double blad = std::min(std::fabs(znak * prawa - dokladna), std::fabs(znak * lewa - dokladna));
                if (xd == 0 || xd == double(L)) {
                    const double koniec = xd == 0 ? r.wzor.Wartosci.front() : r.wzor.Wartosci.back();
                    blad = std::min(blad, std::fabs(znak * koniec - dokladna));
                }
                ASSERT_LE(blad, r.tol) << "exact " << dokladna << " at " << xd << ", sampled " << probkowana;
            }
        }
    }
}

void Porownaj(TDaneZadania& zad, TLicznik& licznik)
{
    TWyniki wyn;
    TRejestrKomunikatow kom;
    PoliczKombinacje(zad);
    ASSERT_TRUE(PrzeliczZadanie(zad, wyn, kom));
    for (int32_t c = 0; c < wyn.IloscPoliczonych && !testing::Test::HasFailure(); ++c)
        PorownajKombinacje(zad, wyn, c, licznik);
}

} // namespace

TEST(Zgodnosc, TheExamplesLinesAndExtremesAreTheDirectSumOverTheirLoads)
{
    TLicznik licznik;
    for (TPrzyklad& p : ZbudujPrzyklady()) {
        SCOPED_TRACE(p.NazwaPliku);
        Porownaj(*p.Zadanie, licznik);
    }
    EXPECT_GT(licznik.Punkty, 10000);
    EXPECT_GT(licznik.PozaProbkami, 10) << "the samples miss the tops of the parabolas";
}

TEST(Zgodnosc, AThousandRandomTasksLinesAndExtremesAreTheDirectSumOverTheirLoads)
{
    std::mt19937 los(19);
    TLicznik licznik;
    for (int i = 0; i < 1000 && !HasFailure(); ++i) {
        SCOPED_TRACE("random task " + std::to_string(i));
        TDaneZadania zad;
        LosoweZadanie(zad, los);
        Porownaj(zad, licznik);
    }
    EXPECT_GT(licznik.Punkty, 1000000);
    EXPECT_GT(licznik.PozaProbkami, 1000);
}

TEST(Zgodnosc, TheNumbersDoNotDependOnKeepingTheLines)
{
    std::vector<std::unique_ptr<TDaneZadania>> zadania;
    for (TPrzyklad& p : ZbudujPrzyklady())
        zadania.push_back(std::move(p.Zadanie));
    std::mt19937 los(20);
    for (int i = 0; i < 100; ++i)
        LosoweZadanie(*zadania.emplace_back(std::make_unique<TDaneZadania>()), los);
    for (const auto& zad : zadania) {
        TWyniki z, bez;
        bez.ZapisujWykresy = false;
        TRejestrKomunikatow kom;
        PoliczKombinacje(*zad);
        ASSERT_TRUE(PrzeliczZadanie(*zad, z, kom) && PrzeliczZadanie(*zad, bez, kom));
        const auto liczby = [&](const TWyniki& w, int32_t s) {
            std::vector<std::tuple<double, double, double, double, double>> l;
            for (const auto& e : {w.EkstremaObwiedniM[s], w.EkstremaObwiedniT[s]})
                l.emplace_back(e.Max, e.XMax, e.Min, e.XMin, e.Skala);
            for (int32_t c = 0; c < zad->IloscKombinacji; ++c)
                for (const auto& e : {w.EkstremaM[c][s], w.EkstremaT[c][s]})
                    l.emplace_back(e.Max, e.XMax, e.Min, e.XMin, e.Skala);
            return l;
        };
        for (int32_t s = 0; s < zad->IloscPrzesel; ++s) {
            EXPECT_EQ(liczby(z, s), liczby(bez, s));
            EXPECT_TRUE(bez.WykresM[0][s].empty() && bez.WykresT[0][s].empty() && bez.ObwiedniaMaxM[s].empty());
        }
        EXPECT_EQ(std::pair(z.NajwiekszyM, z.NajwiekszyT), std::pair(bez.NajwiekszyM, bez.NajwiekszyT));
    }
}

TEST(Probkowanie, TheGridInDoubleIsTheGridInExtendedPrecision)
{
    for (int32_t i = 0; i <= 99999; ++i)
        ASSERT_EQ(XSiatki(i), float(i / 100.0L)) << i;
}
