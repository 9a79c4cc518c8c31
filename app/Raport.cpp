#include "app/Raport.h"
#include "app/TabeleRaportu.h"

#include "analysis/Ugiecia.h"
#include "analysis/Wyniki.h"
#include "platform/TekstyLiczb.h"
#include "model/Zadanie.h"
#include "platform/Cp1250.h"
#include "platform/Odmiana.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <ostream>

namespace {

class TTekst {
public:
    TTekst(std::ostream& out, char separator) : out_(out), sep_(separator) {}

    std::string L(double v) const { return FormatujMaska(v, "0.00", sep_); }

    void Ekstremum(const char* nazwa, bool jest, double wartosc, double x, const char* jednostka) const
    {
        out_ << nazwa << " = ";
        if (jest)
            out_ << L(wartosc) << ' ' << jednostka << " w x = " << L(x) << " m";
        else
            out_ << "—";
    }

    // Extremes of w in the unit shown with their positions, and L/f when w is a length.
    void Ugiecia(const TEkstrema& w, float L, double skala, const char* jednostka, bool dlugosc) const
    {
        out_ << "    ";
        Ekstremum("wmax", w.JestMax, skala * w.Max, w.XMax, jednostka);
        out_ << ";  ";
        Ekstremum("wmin", w.JestMin, skala * w.Min, w.XMin, jednostka);
        if (const double l = LPrzezW(w, L); dlugosc && l > 0)
            out_ << ";  L/f = " << FormatujMaska(l, "0", sep_);
        out_ << '\n';
    }

    void Ekstrema(const TEkstrema& m, const TEkstrema& t) const
    {
        out_ << "    ";
        Ekstremum("Mmax", m.JestMax, m.Max, m.XMax, "kNm");
        out_ << ";  ";
        Ekstremum("Mmin", m.JestMin, m.Min, m.XMin, "kNm");
        out_ << "\n    ";
        Ekstremum("Tmax", t.JestMax, t.Max, t.XMax, "kN");
        out_ << ";  ";
        Ekstremum("Tmin", t.JestMin, t.Min, t.XMin, "kN");
        out_ << '\n';
    }

private:
    std::ostream& out_;
    char sep_;
};

// Every extreme of the design envelopes on its line, with what produced it.
void PiszObwiednieNormowe(std::ostream& out, const TDaneZadania& zad, const TWyniki& wyn, const TTekst& f)
{
    const int32_t n = zad.IloscPrzesel;
    out << "\nOBWIEDNIE NORMOWE (PN-EN 1990)\n";
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
        if (!zad.Grupy[size_t(g)].Uzyta)
            continue;
        const TKlasyfikacjaGrupy& k = zad.Klasyfikacje[size_t(g)];
        out << "  Grupa " << NazwaGrupyZNumerem(zad, g) << ": ";
        if (k.Rodzaj == TRodzajGrupy::Stale)
            out << "stałe\n";
        else if (k.Rodzaj == TRodzajGrupy::Zmienne) {
            const TWspolczynnikiPsi psi = WspolczynnikiPsi(k.Kategoria);
            out << "zmienne, " << NazwaKategorii(k.Kategoria) << ", " << (k.PoPrzeslach ? "po przęsłach" : "cała naraz")
                << " (ψ0 = " << f.L(psi.Psi0) << ", ψ1 = " << f.L(psi.Psi1) << ", ψ2 = " << f.L(psi.Psi2) << ")\n";
        } else
            out << "nieklasyfikowane — pominięta\n";
    }
    const double skala = SkalaUgiec(zad);
    const std::string ugiecia = JednostkaUgiec(zad);
    for (int32_t i = 0; i < IloscStanowNormowych; ++i) {
        const TOpisStanuNormowego& stan = OpisStanuNormowego(i);
        const TObwiedniaNormowa& o = wyn.Normowe.Stany[size_t(i)];
        out << "  " << stan.Tytul << "\n";
        for (size_t s = 0; s < o.Przesla.size(); ++s) {
            out << "    Przęsło " << s + 1 << "\n";
            for (const TPoleNormowe& p : PolaNormowe()) {
                if (p.Ugiecie && !(stan.ZUgieciami && wyn.LiczUgiecia))
                    continue;
                const TEkstremumNormowe& e = o.Przesla[s].*p.Pole;
                std::string nazwa = p.Klucz;
                if (p.Ugiecie)
                    nazwa[0] = 'w';
                out << "      " << nazwa << " = " << f.L(p.Ugiecie ? skala * e.Wartosc : e.Wartosc) << ' '
                    << (p.Ugiecie ? ugiecia : std::string(p.Jednostka)) << " w x = " << f.L(e.X) << " m  ("
                    << OpisPrzyczyny(zad, e.Przyczyna) << ")\n";
            }
        }
        out << "    Reakcje [kN]\n";
        for (int32_t k = 0; k <= n && size_t(k) < o.Reakcje.size(); ++k) {
            const TReakcjaNormowa& r = o.Reakcje[size_t(k)];
            out << "      " << NazwaPodpory(k, n) << ": max " << f.L(r.Max.Wartosc) << " ("
                << OpisPrzyczyny(zad, r.Max.Przyczyna) << "), min " << f.L(r.Min.Wartosc) << " ("
                << OpisPrzyczyny(zad, r.Min.Przyczyna) << ")\n";
        }
    }
}

} // namespace

void PiszWyniki(std::ostream& out, const TDaneZadania& zad, const TWyniki& wyn, char separator,
                const std::string& nazwaPliku)
{
    const TTekst f(out, separator);
    const int32_t n = zad.IloscPrzesel;
    out << "QUARVI — wyniki obliczeń statycznych belki ciągłej\n";
    out << "Plik: " << nazwaPliku << "\n";
    out << "Belka: " << Ile(n, "przęsło", "przęsła", "przęseł") << "; lewa skrajna podpora "
        << (zad.LewyPrzegub ? "przegubowa" : "utwierdzona") << ", prawa "
        << (zad.PrawyPrzegub ? "przegubowa" : "utwierdzona") << "\n";
    for (int32_t s = 0; s < n; ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        out << "  przęsło " << s + 1 << ":  L = " << f.L(p.L) << " m,  x0 = " << f.L(p.X0)
            << " m,  E = " << FormatujStale(p.E, 2, 15, separator)
            << " kN/m2,  J = " << FormatujStale(p.J, 6, 15, separator) << " m4\n";
    }
    out << "Znaki: momenty na końcach prętów i obroty dodatnie zgodnie z ruchem wskazówek zegara;\n"
           "M(x) dodatni, gdy rozciąga spód belki; T(x) dodatnia, gdy lewą część pcha w górę;\n"
           "reakcje dodatnie w górę; x mierzone od lewego końca przęsła.\n";
    if (SztywnoscJednostkowa(zad))
        out << "Ugięcia w dół dodatnie, podane jako E·J·w [kNm3] (wszystkie przęsła mają E = J = 1);\n"
               "kąty obrotu jako E·J·φ [kNm2].\n";
    else
        out << "Ugięcia w dół dodatnie [mm]; kąty obrotu [rad].\n";

    for (int32_t c = 0; c < wyn.IloscPoliczonych; ++c) {
        out << "\nKOMBINACJA " << c + 1 << " — " << Cp1250NaUtf8(zad.Kombinacje[c].Nazwa) << "\n";
        for (int32_t s = 0; s < n; ++s) {
            const TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
            const TSilyPrzesla& t = wyn.SilyKoncowe[c][s];
            out << "  Przęsło " << s + 1 << "\n";
            out << "    momenty utwierdzenia:  ML = " << f.L(m.MomentUtwL) << " kNm,  MP = " << f.L(m.MomentUtwP)
                << " kNm\n";
            out << "    momenty końcowe:       ML = " << f.L(m.MomentL) << " kNm,  MP = " << f.L(m.MomentP) << " kNm\n";
            out << "    siły końcowe:          TL = " << f.L(t.TL) << " kN,  TP = " << f.L(t.TP) << " kN\n";
            f.Ekstrema(wyn.EkstremaM[c][s], wyn.EkstremaT[c][s]);
            if (size_t(c) < wyn.EkstremaW.size())
                f.Ugiecia(wyn.EkstremaW[c][s], zad.Przesla[s].L, SkalaUgiec(zad), JednostkaUgiec(zad),
                          !SztywnoscJednostkowa(zad));
        }
        out << "  Reakcje [kN]:";
        for (int32_t k = 0; k <= n; ++k)
            out << "  " << NazwaPodpory(k, n) << ": " << f.L(Reakcja(wyn, c, k, n));
        out << '\n';
        if (n >= 2 && c < int32_t(wyn.Obroty.size())) {
            out << "  Obroty podpór (przy E·J z pliku):";
            for (size_t i = 0; i < wyn.Obroty[c].size(); ++i)
                out << "  " << i + 1 << ": " << FormatujStale(wyn.Obroty[c][i], 6, 15, separator);
            out << '\n';
        }
        if (const std::vector<double> katy = KatyObrotu(wyn, c); !katy.empty()) {
            out << "  Kąty obrotu podpór:";
            for (size_t k = 0; k < katy.size(); ++k)
                out << "  " << NazwaPodpory(int32_t(k), n) << ": " << FormatujStale(katy[k], 6, 15, separator);
            out << '\n';
        }
    }

    if (wyn.IloscPoliczonych >= 2) {
        out << "\nOBWIEDNIE (kombinacje 1–" << wyn.IloscPoliczonych << ")\n";
        out << "  Reakcje [kN]:";
        for (int32_t k = 0; k <= n; ++k)
            out << "  " << NazwaPodpory(k, n) << ": max " << f.L(wyn.ObwiedniaReakcji[k].Max) << ", min "
                << f.L(wyn.ObwiedniaReakcji[k].Min) << ';';
        out << '\n';
        const TMomentyPodporoweObwiedni& mp = wyn.ObwiedniaMomentowPodporowych;
        out << "  Momenty na skrajnych podporach [kNm]:  A: max " << f.L(mp.MaxL) << ", min " << f.L(mp.MinL)
            << ";  B: max " << f.L(mp.MaxP) << ", min " << f.L(mp.MinP) << '\n';
        for (int32_t s = 0; s < n; ++s) {
            out << "  Przęsło " << s + 1 << '\n';
            f.Ekstrema(wyn.EkstremaObwiedniM[s], wyn.EkstremaObwiedniT[s]);
            if (size_t(s) < wyn.EkstremaObwiedniW.size())
                f.Ugiecia(wyn.EkstremaObwiedniW[s], zad.Przesla[s].L, SkalaUgiec(zad), JednostkaUgiec(zad),
                          !SztywnoscJednostkowa(zad));
        }
    }
    if (wyn.Normowe.Sa)
        PiszObwiednieNormowe(out, zad, wyn, f);
}

namespace {

using Json = nlohmann::ordered_json;

// A single-precision value as the 9 significant digits that identify it.
Json F32(double v)
{
    char bufor[32];
    const auto tekst = std::to_chars(bufor, bufor + sizeof bufor, v, std::chars_format::general, 9);
    double krotka = 0;
    std::from_chars(bufor, tekst.ptr, krotka);
    return krotka;
}

Json F64(double v)
{
    return v;
}

Json Ekstrema(const TEkstrema& m, const TEkstrema& t)
{
    return Json{{"Mmax", F64(m.Max)}, {"XMmax", F64(m.XMax)}, {"Mmin", F64(m.Min)}, {"XMmin", F64(m.XMin)},
                {"Tmax", F64(t.Max)}, {"XTmax", F64(t.XMax)}, {"Tmin", F64(t.Min)}, {"XTmin", F64(t.XMin)}};
}

// w in the unit of "jednostkaW", downward positive; L/f only when w is a length.
Json Ugiecia(const TDaneZadania& zad, const TEkstrema& w, float L)
{
    const double skala = SkalaUgiec(zad), l = LPrzezW(w, L);
    return Json{{"Wmax", F64(skala * w.Max)},
                {"XWmax", F64(w.XMax)},
                {"Wmin", F64(skala * w.Min)},
                {"XWmin", F64(w.XMin)},
                {"LprzezW", l > 0 && !SztywnoscJednostkowa(zad) ? Json(F64(l)) : Json(nullptr)}};
}

std::string NazwaGrupy(const TDaneZadania& zad, int32_t g)
{
    return Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa);
}

bool Bit(uint32_t maska, int32_t i)
{
    return (maska >> i) & 1u;
}

// What produced an extreme: the expression, the leading group, the 1-based spans each patterned group loads
// (a list, as two groups may share a name), the whole groups present and the permanent groups at γG,inf.
Json Przyczyna(const TDaneZadania& zad, const TPrzyczyna& p)
{
    Json przesla = Json::array(), calosc = Json::array(), dolne = Json::array();
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
        if (!zad.Grupy[size_t(g)].Uzyta)
            continue;
        if (p.Przesla[size_t(g)]) {
            Json numery = Json::array();
            for (int32_t s = 0; s < zad.IloscPrzesel; ++s)
                if (Bit(p.Przesla[size_t(g)], s))
                    numery.push_back(s + 1);
            przesla.push_back({{"grupa", NazwaGrupy(zad, g)}, {"przesla", std::move(numery)}});
        }
        if (Bit(p.Calosc, g))
            calosc.push_back(NazwaGrupy(zad, g));
        const bool sgn = p.Wyrazenie == TWyrazenie::W610a || p.Wyrazenie == TWyrazenie::W610b;
        if (sgn && zad.Klasyfikacje[size_t(g)].Rodzaj == TRodzajGrupy::Stale && !Bit(p.StaleGorne, g))
            dolne.push_back(NazwaGrupy(zad, g));
    }
    const bool wiodaca = p.Wiodaca >= 0 && p.Wiodaca < TDaneZadania::MaxGrup;
    return {{"wyrazenie", NazwaWyrazenia(p.Wyrazenie)},
            {"wiodaca", wiodaca ? Json(NazwaGrupy(zad, p.Wiodaca)) : Json(nullptr)},
            {"przesla", std::move(przesla)},
            {"calosc", std::move(calosc)},
            {"staleDolne", std::move(dolne)}};
}

Json ObwiedniaNormowa(const TDaneZadania& zad, const TWyniki& wyn, const TObwiedniaNormowa& o, bool zUgieciami)
{
    const double skala = SkalaUgiec(zad);
    Json przesla = Json::array();
    for (const TPrzesloNormowe& s : o.Przesla) {
        Json j = Json::object(), przyczyny = Json::object();
        for (const TPoleNormowe& p : PolaNormowe()) {
            const TEkstremumNormowe& e = s.*p.Pole;
            if (!p.Ugiecie) {
                j[p.Klucz] = F64(e.Wartosc);
                j[p.KluczX] = F64(e.X);
            } else if (zUgieciami && wyn.LiczUgiecia) {
                j[p.Klucz] = F64(skala * e.Wartosc);
            } else {
                continue;
            }
            przyczyny[p.Klucz] = Przyczyna(zad, e.Przyczyna);
        }
        j["przyczyny"] = std::move(przyczyny);
        przesla.push_back(std::move(j));
    }
    Json reakcje = Json::array();
    for (const TReakcjaNormowa& r : o.Reakcje)
        reakcje.push_back(
            {{"max", F64(r.Max.Wartosc)},
             {"min", F64(r.Min.Wartosc)},
             {"przyczyny", {{"max", Przyczyna(zad, r.Max.Przyczyna)}, {"min", Przyczyna(zad, r.Min.Przyczyna)}}}});
    return {{"przesla", std::move(przesla)}, {"reakcje", std::move(reakcje)}};
}

// Every group in use with its kind; category, patterning and ψ only for a variable group.
Json Grupy(const TDaneZadania& zad)
{
    Json grupy = Json::array();
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
        if (!zad.Grupy[size_t(g)].Uzyta)
            continue;
        const TKlasyfikacjaGrupy& k = zad.Klasyfikacje[size_t(g)];
        const bool zmienne = k.Rodzaj == TRodzajGrupy::Zmienne;
        const TWspolczynnikiPsi psi = WspolczynnikiPsi(k.Kategoria);
        const auto jesli = [&](Json v) { return zmienne ? v : Json(nullptr); };
        grupy.push_back({{"nazwa", NazwaGrupy(zad, g)},
                         {"rodzaj", k.Rodzaj == TRodzajGrupy::Stale ? Json("stale")
                                    : zmienne                       ? Json("zmienne")
                                                                    : Json(nullptr)},
                         {"kategoria", jesli(KluczKategorii(k.Kategoria))},
                         {"poPrzeslach", jesli(k.PoPrzeslach)},
                         {"psi0", jesli(psi.Psi0)},
                         {"psi1", jesli(psi.Psi1)},
                         {"psi2", jesli(psi.Psi2)}});
    }
    return grupy;
}

} // namespace

std::string WynikiJson(const TDaneZadania& zad, const TWyniki& wyn)
{
    const int32_t n = zad.IloscPrzesel;
    Json przesla = Json::array();
    for (int32_t s = 0; s < n; ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        przesla.push_back({{"L", F32(p.L)}, {"X0", F32(p.X0)}, {"E", F32(p.E)}, {"J", F32(p.J)}});
    }

    Json kombinacje = Json::array();
    for (int32_t c = 0; c < wyn.IloscPoliczonych; ++c) {
        Json pk = Json::array();
        for (int32_t s = 0; s < n; ++s) {
            const TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
            const TSilyPrzesla& t = wyn.SilyKoncowe[c][s];
            Json j = {{"MomentUtwL", F64(m.MomentUtwL)},
                      {"MomentUtwP", F64(m.MomentUtwP)},
                      {"ReakcjaUtwL", F64(t.ReakcjaUtwL)},
                      {"ReakcjaUtwP", F64(t.ReakcjaUtwP)},
                      {"MomentL", F64(m.MomentL)},
                      {"MomentP", F64(m.MomentP)},
                      {"TL", F64(t.TL)},
                      {"TP", F64(t.TP)}};
            j.update(Ekstrema(wyn.EkstremaM[c][s], wyn.EkstremaT[c][s]));
            if (size_t(c) < wyn.EkstremaW.size())
                j.update(Ugiecia(zad, wyn.EkstremaW[c][s], zad.Przesla[s].L));
            pk.push_back(std::move(j));
        }
        Json reakcje = Json::array();
        for (int32_t k = 0; k <= n; ++k)
            reakcje.push_back(F64(Reakcja(wyn, c, k, n)));
        Json obroty = Json::array();
        if (c < int32_t(wyn.Obroty.size()))
            for (const double x : wyn.Obroty[c])
                obroty.push_back(F64(x));
        Json katy = Json::array();
        for (const double k : KatyObrotu(wyn, c))
            katy.push_back(F64(k));
        kombinacje.push_back({{"numer", c + 1},
                              {"nazwa", Cp1250NaUtf8(zad.Kombinacje[c].Nazwa)},
                              {"przesla", std::move(pk)},
                              {"reakcje", std::move(reakcje)},
                              {"obroty", std::move(obroty)},
                              {"katyObrotu", std::move(katy)}});
    }

    Json obwiednie = nullptr;
    if (wyn.IloscPoliczonych >= 2) {
        Json reakcje = Json::array();
        for (int32_t k = 0; k <= n; ++k)
            reakcje.push_back({{"max", F64(wyn.ObwiedniaReakcji[k].Max)}, {"min", F64(wyn.ObwiedniaReakcji[k].Min)}});
        const TMomentyPodporoweObwiedni& mp = wyn.ObwiedniaMomentowPodporowych;
        Json pe = Json::array();
        for (int32_t s = 0; s < n; ++s) {
            Json j = Ekstrema(wyn.EkstremaObwiedniM[s], wyn.EkstremaObwiedniT[s]);
            if (size_t(s) < wyn.EkstremaObwiedniW.size()) {
                const double skala = SkalaUgiec(zad);
                j["Wmax"] = F64(skala * wyn.EkstremaObwiedniW[s].Max);
                j["Wmin"] = F64(skala * wyn.EkstremaObwiedniW[s].Min);
            }
            pe.push_back(std::move(j));
        }
        obwiednie = {{"reakcje", std::move(reakcje)},
                     {"momentyPodporowe",
                      {{"MaxL", F64(mp.MaxL)}, {"MinL", F64(mp.MinL)}, {"MaxP", F64(mp.MaxP)}, {"MinP", F64(mp.MinP)}}},
                     {"przesla", std::move(pe)}};
    }

    Json normowe = nullptr;
    if (wyn.Normowe.Sa) {
        normowe = Json::object();
        for (int32_t i = 0; i < IloscStanowNormowych; ++i) {
            const TOpisStanuNormowego& stan = OpisStanuNormowego(i);
            normowe[stan.Klucz] = ObwiedniaNormowa(zad, wyn, wyn.Normowe.Stany[size_t(i)], stan.ZUgieciami);
        }
    }

    const Json wynik = {{"przesla", std::move(przesla)},
                        {"kombinacje", std::move(kombinacje)},
                        {"obwiednie", std::move(obwiednie)},
                        {"obwiednieNormowe", std::move(normowe)},
                        {"grupy", Grupy(zad)},
                        {"jednostkaW", JednostkaUgiec(zad)}};
    return wynik.dump(1) + "\n";
}
