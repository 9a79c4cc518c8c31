#include "analysis/Linie.h"

#include "analysis/Probkowanie.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

double Wspolczynnik(const TDaneZadania& zad, int32_t c, int32_t g)
{
    if (c < 0 || c >= TDaneZadania::MaxKombinacji || g < 0 || g >= TDaneZadania::MaxGrup)
        return 0;
    return zad.Wspolczynniki[size_t(c)][size_t(g)];
}

// The points of one span's lines for one set of groups acting on it.
struct TProbkiPrzesla {
    uint32_t Grupy = 0;
    TObciazeniaPrzesla Dzialajace;
    std::unique_ptr<TProbkiLinii> M, T;
    std::vector<TPrzebiegPrzekrojow> PrzekrojeM, PrzekrojeT;
};

// The extremes of values v[0 … n) standing at x(i), by the rule of
// DodajDoEkstremow (the first of equal values wins, a maximum at least 0, a
// minimum at most 0) over a whole line at once. Block by block the largest
// and the smallest value, two at a time (their order does not change a
// largest value above 0); then where each first stands, sought in the first
// block that holds it.
template <class X>
void EkstremaWartosci(const double* v, size_t n, X x, TEkstrema& e)
{
    using TPara = double __attribute__((vector_size(16)));
    constexpr size_t Blok = 64;
    double M = 0, m = 0;
    size_t blokM = 0, blokm = 0;
    for (size_t b = 0; b < n; b += Blok) {
        const size_t koniec = std::min(n, b + Blok);
        TPara maks[2] = {}, mini[2] = {};
        size_t i = b;
        for (; i + 4 <= koniec; i += 4)
            for (size_t j = 0; j < 2; ++j) {
                TPara w;
                std::memcpy(&w, v + i + 2 * j, sizeof w);
                maks[j] = w > maks[j] ? w : maks[j];
                mini[j] = w < mini[j] ? w : mini[j];
            }
        double Mb = std::max(std::max(maks[0][0], maks[0][1]), std::max(maks[1][0], maks[1][1]));
        double mb = std::min(std::min(mini[0][0], mini[0][1]), std::min(mini[1][0], mini[1][1]));
        for (; i < koniec; ++i) {
            Mb = v[i] > Mb ? v[i] : Mb;
            mb = v[i] < mb ? v[i] : mb;
        }
        if (Mb > M) {
            M = Mb;
            blokM = b;
        }
        if (mb < m) {
            m = mb;
            blokm = b;
        }
    }
    if (M > 0) {
        size_t k = blokM;
        while (v[k] != M)
            ++k;
        e.JestMax = 1;
        e.Max = M;
        e.XMax = x(k);
    }
    if (m < 0) {
        size_t k = blokm;
        while (v[k] != m)
            ++k;
        e.JestMin = 1;
        e.Min = m;
        e.XMin = x(k);
    }
}

// One envelope of one span while the combinations are read into it.
struct TObwiedniaPrzesla {
    std::vector<double> Max, Min;

    // The line of combination c at every section: both sides where it jumps,
    // between its points the straight line through them.
    void Dodaj(bool pierwsza, const TProbkiLinii& p, const std::vector<double>& v,
               const std::vector<TPrzebiegPrzekrojow>& przebiegi, const std::vector<float>& x)
    {
        if (pierwsza) {
            Max.resize(x.size());
            Min.resize(x.size());
        }
        const auto wpisz = [&](int32_t od, int32_t do_, auto mini, auto maks) {
            if (pierwsza) {
                for (int32_t k = od; k < do_; ++k) {
                    Max[size_t(k)] = maks(k);
                    Min[size_t(k)] = mini(k);
                }
            } else {
                for (int32_t k = od; k < do_; ++k) {
                    const double a = maks(k), b = mini(k);
                    Max[size_t(k)] = Max[size_t(k)] < a ? a : Max[size_t(k)];
                    Min[size_t(k)] = Min[size_t(k)] > b ? b : Min[size_t(k)];
                }
            }
        };
        const int32_t ilosc = int32_t(p.Punkty.size());
        for (const TPrzebiegPrzekrojow& r : przebiegi) {
            if (r.Ile == 1) {
                const double* w = v.data() + (r.Pierwszy - r.Od);
                const auto punkt = [w](int32_t k) { return w[k]; };
                wpisz(r.Od, r.Do, punkt, punkt);
            } else if (r.Ile == 0) {
                if (r.Pierwszy == 0 || r.Pierwszy == ilosc) {
                    const double stala = r.Pierwszy == 0 ? v.front() : v.back();
                    const auto wartosc = [stala](int32_t) { return stala; };
                    wpisz(r.Od, r.Do, wartosc, wartosc);
                    continue;
                }
                const auto& a = p.Punkty[size_t(r.Pierwszy) - 1];
                const auto& b = p.Punkty[size_t(r.Pierwszy)];
                const double va = v[size_t(r.Pierwszy) - 1], vb = v[size_t(r.Pierwszy)];
                const double roznica = vb - va, dlugosc = double(b.X) - a.X;
                const auto miedzy = [&](int32_t k) { return va + (double(x[size_t(k)]) - a.X) * roznica / dlugosc; };
                wpisz(r.Od, r.Do, miedzy, miedzy);
            } else {
                double mini = v[size_t(r.Pierwszy)], maks = mini;
                for (int32_t q = r.Pierwszy + 1; q < r.Pierwszy + r.Ile; ++q) {
                    mini = std::min(mini, v[size_t(q)]);
                    maks = std::max(maks, v[size_t(q)]);
                }
                wpisz(
                    r.Od, r.Do, [mini](int32_t) { return mini; }, [maks](int32_t) { return maks; });
            }
        }
    }

    // Section by section its minimum, then its maximum.
    TEkstrema Ekstrema(const std::vector<float>& x) const
    {
        // Max[k] ≥ Min[k]: the largest value is a Max and the smallest a Min,
        // each first at the section where its array has it first.
        TEkstrema e, dolne;
        const auto polozenie = [&](size_t k) { return double(x[k]); };
        EkstremaWartosci(Max.data(), x.size(), polozenie, e);
        EkstremaWartosci(Min.data(), x.size(), polozenie, dolne);
        e.JestMin = dolne.JestMin;
        e.Min = dolne.Min;
        e.XMin = dolne.XMin;
        UstalSkale(e);
        e.IloscPunktow = int32_t(x.size()) - 1; // the index of the last point
        return e;
    }

    void Zapisz(const std::vector<float>& x, std::vector<TPunktWykresu>& maks, std::vector<TPunktWykresu>& mini) const
    {
        maks.resize(x.size());
        mini.resize(x.size());
        for (size_t k = 0; k < x.size(); ++k) {
            maks[k] = {x[k], Max[k]};
            mini[k] = {x[k], Min[k]};
        }
    }
};

TEkstrema EkstremaLinii(const TProbkiLinii& p, const std::vector<double>& v)
{
    TEkstrema e;
    EkstremaWartosci(
        v.data(), v.size(), [&](size_t i) { return double(p.Punkty[i].X); }, e);
    UstalSkale(e);
    e.IloscPunktow = int32_t(v.size());
    return e;
}

void ZapiszLinie(const TProbkiLinii& p, const std::vector<double>& v, std::vector<TPunktWykresu>& linia)
{
    linia.resize(v.size());
    for (size_t i = 0; i < v.size(); ++i)
        linia[i] = {p.Punkty[i].X, v[i]};
}

// Buffers kept from span to span.
struct TRobocze {
    std::vector<float> Przekroje;
    std::vector<double> Wartosci;
    TObwiedniaPrzesla ObwiedniaM, ObwiedniaT;
};

// Everything one span needs, combination by combination.
class TLiniePrzesla {
public:
    TLiniePrzesla(const TDaneZadania& zad, TWyniki& wyn, int32_t s, TCoProbkowac co, TRobocze& r)
        : zad_(zad)
        , wyn_(wyn)
        , s_(s)
        , L_(zad.Przesla[size_t(s)].L)
        , co_(co)
        , przekroje_(r.Przekroje)
        , v_(r.Wartosci)
        , obwiedniaM_(r.ObwiedniaM)
        , obwiedniaT_(r.ObwiedniaT)
    {
        for (const TStanJednostkowy& u : wyn.Jednostkowe)
            if (u.Przeslo == s)
                stany_.push_back(&u);
        przekroje_.clear();
        if (co.ObwiedniaM || co.ObwiedniaT)
            przekroje_ = PrzekrojeObwiedni(L_);
    }

    void Kombinacja(int32_t c)
    {
        TProbkiPrzesla& p = Probki(c);
        const TWielomianyPrzesla& w = wyn_.Wielomiany[size_t(c)][size_t(s_)];
        if (co_.Linie || co_.ObwiedniaM) {
            const TProbkiLinii& linia = Linia(p, true);
            const TKonceLinii konce = KonceMomentow(wyn_, c, s_);
            WartosciMomentow(linia, w, konce.Poczatek, konce.Koniec, v_);
            if (co_.Linie) {
                TEkstrema& e = wyn_.EkstremaM[size_t(c)][size_t(s_)];
                e = EkstremaLinii(linia, v_);
                if (wyn_.NajwiekszyM < e.Skala)
                    wyn_.NajwiekszyM = float(e.Skala);
                if (wyn_.ZapisujWykresy)
                    ZapiszLinie(linia, v_, wyn_.WykresM[size_t(c)][size_t(s_)]);
            }
            if (co_.ObwiedniaM)
                obwiedniaM_.Dodaj(c == 0, linia, v_, p.PrzekrojeM, przekroje_);
        }
        if (co_.Linie || co_.ObwiedniaT) {
            const TProbkiLinii& linia = Linia(p, false);
            const TKonceLinii konce = KonceTnacych(zad_, wyn_, c, s_);
            WartosciTnacych(linia, w, konce.Poczatek, konce.Koniec, v_);
            if (co_.Linie) {
                TEkstrema& e = wyn_.EkstremaT[size_t(c)][size_t(s_)];
                e = EkstremaLinii(linia, v_);
                if (wyn_.NajwiekszyT < e.Skala)
                    wyn_.NajwiekszyT = float(e.Skala);
                if (wyn_.ZapisujWykresy)
                    ZapiszLinie(linia, v_, wyn_.WykresT[size_t(c)][size_t(s_)]);
            }
            if (co_.ObwiedniaT)
                obwiedniaT_.Dodaj(c == 0, linia, v_, p.PrzekrojeT, przekroje_);
        }
    }

    void Obwiednie()
    {
        const auto zapisz = [&](const TObwiedniaPrzesla& o, std::vector<TEkstrema>& ekstrema,
                                std::vector<std::vector<TPunktWykresu>>& maks,
                                std::vector<std::vector<TPunktWykresu>>& mini) {
            ekstrema[size_t(s_)] = o.Ekstrema(przekroje_);
            if (wyn_.ZapisujWykresy) {
                o.Zapisz(przekroje_, maks[size_t(s_)], mini[size_t(s_)]);
            } else {
                maks[size_t(s_)] = {};
                mini[size_t(s_)] = {};
            }
        };
        if (co_.ObwiedniaM)
            zapisz(obwiedniaM_, wyn_.EkstremaObwiedniM, wyn_.ObwiedniaMaxM, wyn_.ObwiedniaMinM);
        if (co_.ObwiedniaT)
            zapisz(obwiedniaT_, wyn_.EkstremaObwiedniT, wyn_.ObwiedniaMaxT, wyn_.ObwiedniaMinT);
    }

private:
    // The points for the groups acting on the span in combination c.
    TProbkiPrzesla& Probki(int32_t c)
    {
        uint32_t grupy = 0;
        for (const TStanJednostkowy* u : stany_)
            if (Wspolczynnik(zad_, c, u->Grupa) > 0)
                grupy |= uint32_t(1) << u->Grupa;
        for (TProbkiPrzesla& p : probki_)
            if (p.Grupy == grupy)
                return p;
        TProbkiPrzesla& p = probki_.emplace_back();
        p.Grupy = grupy;
        for (const TStanJednostkowy* u : stany_)
            if (grupy & (uint32_t(1) << u->Grupa))
                p.Dzialajace.Dolacz(u->Obciazenia);
        return p;
    }

    const TProbkiLinii& Linia(TProbkiPrzesla& p, bool momenty)
    {
        std::unique_ptr<TProbkiLinii>& linia = momenty ? p.M : p.T;
        if (!linia) {
            const std::vector<float>& granice = wyn_.Wielomiany[0][size_t(s_)].Granice();
            linia = std::make_unique<TProbkiLinii>(momenty ? ProbkiMomentow(p.Dzialajace, L_, granice)
                                                           : ProbkiTnacych(p.Dzialajace, L_, granice));
            if (!przekroje_.empty())
                (momenty ? p.PrzekrojeM : p.PrzekrojeT) = PrzebiegiPrzekrojow(*linia, przekroje_);
        }
        return *linia;
    }

    const TDaneZadania& zad_;
    TWyniki& wyn_;
    int32_t s_;
    float L_;
    TCoProbkowac co_;
    std::vector<const TStanJednostkowy*> stany_;
    std::vector<TProbkiPrzesla> probki_;
    std::vector<float>& przekroje_;
    std::vector<double>& v_;
    TObwiedniaPrzesla& obwiedniaM_;
    TObwiedniaPrzesla& obwiedniaT_;
};

} // namespace

void ProbkujWyniki(const TDaneZadania& zad, TWyniki& wyn, int32_t iloscKombinacji, TCoProbkowac co)
{
    const int32_t n = int32_t(zad.Przesla.size());
    if (iloscKombinacji < 1 || int32_t(wyn.Wielomiany.size()) < iloscKombinacji)
        return;
    if (co.ObwiedniaM) {
        wyn.ObwiedniaMaxM.resize(size_t(n));
        wyn.ObwiedniaMinM.resize(size_t(n));
        wyn.EkstremaObwiedniM.resize(size_t(n));
    }
    if (co.ObwiedniaT) {
        wyn.ObwiedniaMaxT.resize(size_t(n));
        wyn.ObwiedniaMinT.resize(size_t(n));
        wyn.EkstremaObwiedniT.resize(size_t(n));
    }
    TRobocze robocze;
    for (int32_t s = 0; s < n; ++s) {
        TLiniePrzesla przeslo(zad, wyn, s, co, robocze);
        for (int32_t c = 0; c < iloscKombinacji; ++c)
            przeslo.Kombinacja(c);
        przeslo.Obwiednie();
    }
    if (co.Linie && !wyn.ZapisujWykresy)
        for (int32_t c = 0; c < iloscKombinacji; ++c)
            for (int32_t s = 0; s < n; ++s) {
                wyn.WykresM[size_t(c)][size_t(s)] = {};
                wyn.WykresT[size_t(c)][size_t(s)] = {};
            }
}

TKonceLinii KonceMomentow(const TWyniki& wyn, int32_t c, int32_t s)
{
    const TMomentyPrzesla& m = wyn.MomentyKoncowe[size_t(c)][size_t(s)];
    return {m.MomentL, -m.MomentP};
}

TKonceLinii KonceTnacych(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s)
{
    // The forces standing on the supports are the supports'.
    const float L = zad.Przesla[size_t(s)].L;
    double naPoczatku = 0, naKoncu = 0;
    for (const TStanJednostkowy& u : wyn.Jednostkowe) {
        const double wsp = Wspolczynnik(zad, c, u.Grupa);
        if (u.Przeslo == s && wsp > 0) {
            naPoczatku += wsp * u.Obciazenia.SilyNaPoczatku();
            naKoncu += wsp * u.Obciazenia.SilyNaKoncu(L);
        }
    }
    const TSilyPrzesla& f = wyn.SilyKoncowe[size_t(c)][size_t(s)];
    return {-f.TL - naPoczatku, f.TP + naKoncu};
}

TEkstrema EkstremaDokladneM(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s)
{
    const TKonceLinii k = KonceMomentow(wyn, c, s);
    return EkstremaDokladneM(wyn.Wielomiany[size_t(c)][size_t(s)], zad.Przesla[size_t(s)].L, k.Poczatek, k.Koniec);
}

TEkstrema EkstremaDokladneT(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s)
{
    const TKonceLinii k = KonceTnacych(zad, wyn, c, s);
    return EkstremaDokladneT(wyn.Wielomiany[size_t(c)][size_t(s)], zad.Przesla[size_t(s)].L, k.Poczatek, k.Koniec);
}
