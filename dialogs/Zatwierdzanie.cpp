#include "dialogs/Zatwierdzanie.h"

#include "analysis/Wyniki.h"
#include "model/Granice.h"
#include "platform/Cp1250.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <charconv>

namespace {

// A number the task can hold, typed with either separator: what a float field
// cannot hold (see MiesciSieWFloat) counts as no number.
std::optional<float> Liczba(std::string_view tekst, char separator)
{
    double v = 0;
    if (!CzytajLiczbeNormalizujac(tekst, separator, v) || !MiesciSieWFloat(v, tekst))
        return std::nullopt;
    return float(v);
}

bool Pusty(std::string_view tekst)
{
    return tekst.find_first_not_of(" \t") == std::string_view::npos;
}

// Deletes every used slot the predicate picks; the later slots move down, so
// the same index is looked at again.
template <class T, size_t N, class Warunek>
void UsunGdzie(std::array<T, N>& tablica, Warunek warunek)
{
    int32_t i = 0;
    while (i < int32_t(N) && tablica[size_t(i)].Uzyta) {
        if (warunek(tablica[size_t(i)]))
            UsunZTablicy(tablica, i);
        else
            ++i;
    }
}

void UsunBezDlugosci(TDaneZadania& zad)
{
    const auto bezDlugosci = [](const auto& q) { return !(q.X1 < q.X2); };
    UsunGdzie(zad.Liniowe, bezDlugosci);
    UsunGdzie(zad.Trojkaty, bezDlugosci);
}

// A shortened span keeps its loads: points beyond its end move onto it, line loads are cut at it.
void SkrocPrzeslo(TDaneZadania& zad, int32_t przeslo, float x0, float L)
{
    const auto punkty = [&](auto& tablica) {
        for (auto& f : tablica)
            if (f.Uzyta && f.Przeslo == przeslo && f.X > L) {
                f.X = L;
                f.XAbs = x0 + L;
            }
    };
    const auto odcinki = [&](auto& tablica) {
        for (auto& q : tablica)
            if (q.Uzyta && q.Przeslo == przeslo && q.X2 > L) {
                q.X2 = L;
                q.X2Abs = x0 + L;
            }
    };
    punkty(zad.Sily);
    punkty(zad.Momenty);
    odcinki(zad.Liniowe);
    odcinki(zad.Trojkaty);
    UsunBezDlugosci(zad);
}

void Zmieniono(TDaneZadania& zad)
{
    zad.DoPrzeliczenia = true;
    zad.NieZapisane = true;
}

} // namespace

namespace {

// Six significant digits in the unit shown, the user's separator. Written
// out without an exponent ("100000000", "0,000001") while that stays short;
// the digits are those of the six-digit value, so the text reads back to it.
std::string TekstWJednostce(double v, char separator)
{
    char bufor[64];
    const auto [koniec, ec] = std::to_chars(bufor, bufor + sizeof bufor, v, std::chars_format::general, 6);
    std::string t(bufor, ec == std::errc{} ? koniec : bufor);
    if (t.find('e') != std::string::npos) {
        double szesc = 0;
        char staly[64];
        if (std::from_chars(t.data(), t.data() + t.size(), szesc).ec == std::errc{}) {
            const auto [k, e] = std::to_chars(staly, staly + sizeof staly, szesc, std::chars_format::fixed);
            if (e == std::errc{} && k - staly <= 16)
                t.assign(staly, k);
        }
    }
    std::replace(t.begin(), t.end(), '.', separator);
    return t;
}

} // namespace

std::string TekstJ(float J, char separator)
{
    return TekstWJednostce(double(J) * 1e8, separator);
}

std::string TekstE(float E, char separator)
{
    return TekstWJednostce(double(E) * 1e-6, separator);
}

std::string ZatwierdzGeometrie(TDaneZadania& zad, TWyniki& wyn, TPolaGeometrii& pola, char separator)
{
    const int32_t n = int32_t(pola.Dlugosci.size());
    if (const auto usterka = UsterkaIlosci(n, 0, 0, "belka ma"))
        return *usterka;

    // Everything is read and checked first: a bad cell must not leave the task half changed.
    std::vector<std::string> teksty = pola.Dlugosci;
    std::vector<float> L(static_cast<size_t>(n));
    std::optional<std::string> domyslna;
    for (int32_t i = 0; i < n; ++i) {
        std::string& tekst = teksty[size_t(i)];
        if (Pusty(tekst)) {
            if (!domyslna) {
                const std::optional<float> d = Liczba(pola.Domyslna, separator);
                if (!d)
                    return KomunikatRzeczywistej(pola.Domyslna);
                domyslna = FormatujMaska(*d, Maska::Rozpietosc, separator);
            }
            tekst = *domyslna;
        }
        const std::optional<float> l = Liczba(tekst, separator);
        if (!l)
            return KomunikatRzeczywistej(tekst);
        tekst = NormalizujSeparator(tekst, separator);
        if (const auto usterka = UsterkaRozpietosciWpisu(i, *l))
            return *usterka;
        L[size_t(i)] = *l;
    }

    // Stiffness: an empty cell or the text shown for the span's own value keeps it.
    std::vector<float> E(size_t(n), 1.0f), J(size_t(n), 1.0f);
    for (int32_t i = 0; i < n; ++i) {
        const size_t k = size_t(i);
        const TPrzeslo* stare = k < zad.Przesla.size() ? &zad.Przesla[k]
                                : zad.Przesla.empty()  ? nullptr
                                                       : &zad.Przesla.back();
        if (stare && zad.IloscPrzesel >= 1) {
            E[k] = stare->E;
            J[k] = stare->J;
        }
        const auto czytaj = [&](const std::vector<std::string>& komorki, float& v, double jednostka,
                                std::string (*tekst)(float, char)) -> std::optional<std::string> {
            if (k >= komorki.size() || Pusty(komorki[k]) ||
                (k < zad.Przesla.size() && komorki[k] == tekst(v, separator)))
                return std::nullopt;
            double d = 0;
            if (!CzytajLiczbeNormalizujac(komorki[k], separator, d))
                return KomunikatRzeczywistej(komorki[k]);
            d *= jednostka;
            if (!MiesciSieWFloat(d, komorki[k]) && d != 0)
                return KomunikatRzeczywistej(komorki[k]);
            v = float(d);
            return std::nullopt;
        };
        if (auto b = czytaj(pola.Momenty, J[k], 1e-8, TekstJ))
            return *b;
        if (auto b = czytaj(pola.Moduly, E[k], 1e6, TekstE))
            return *b;
        if (const auto usterka = UsterkaSztywnosciWpisu(i, E[k], J[k]))
            return *usterka;
    }

    std::vector<float> poprzednie;
    for (const TPrzeslo& p : zad.Przesla)
        poprzednie.push_back(p.L);
    zad.IloscPrzesel = n;
    UstawIloscPrzesel(zad);
    DopasujDoIlosciPrzesel(zad, wyn);
    zad.LewyPrzegub = pola.LewyPrzegub;
    zad.PrawyPrzegub = pola.PrawyPrzegub;

    float x0 = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (size_t(i) < poprzednie.size() && L[size_t(i)] < poprzednie[size_t(i)])
            SkrocPrzeslo(zad, i, x0, L[size_t(i)]);
        x0 += L[size_t(i)];
    }
    const auto zaBelka = [n](const auto& r) { return r.Przeslo > n - 1; };
    UsunGdzie(zad.Sily, zaBelka);
    UsunGdzie(zad.Liniowe, zaBelka);
    UsunGdzie(zad.Momenty, zaBelka);
    UsunGdzie(zad.Trojkaty, zaBelka);

    for (int32_t i = 0; i < n; ++i) {
        TPrzeslo& p = zad.Przesla[size_t(i)];
        p.L = L[size_t(i)];
        p.E = E[size_t(i)];
        p.J = J[size_t(i)];
    }
    UstawKodyPrzesel(zad);
    DopasujProbki(zad, wyn);
    Zmieniono(zad);
    pola.Dlugosci = std::move(teksty);
    pola.Momenty.clear();
    pola.Moduly.clear();
    for (const TPrzeslo& p : zad.Przesla) {
        pola.Momenty.push_back(TekstJ(p.J, separator));
        pola.Moduly.push_back(TekstE(p.E, separator));
    }
    return {};
}

std::string KomunikatLimituGrup()
{
    return "Można utworzyć najwyżej " + std::to_string(TDaneZadania::MaxGrup) + " grup obciążeń.";
}

std::string KomunikatLimituKombinacji()
{
    return "Można utworzyć najwyżej " + std::to_string(TDaneZadania::MaxKombinacji) + " kombinacji obciążeń.";
}

std::optional<int32_t> KolorNowejGrupy(int32_t g)
{
    // 0x00BBGGRR: red, navy, blue, green, purple, maroon, olive.
    constexpr std::array<int32_t, 7> Kolory{0x0000FF, 0x800000, 0xFF0000, 0x008000, 0x800080, 0x000080, 0x008080};
    if (g < 1 || g > int32_t(Kolory.size()))
        return std::nullopt;
    return Kolory[size_t(g - 1)];
}

std::string WprowadzGrupe(TDaneZadania& zad, int32_t i, std::string_view nazwa, int32_t kolor)
{
    const std::string cp1250 = PrzytnijNazwe(Utf8NaCp1250(nazwa));
    if (const auto usterka = UsterkaNazwyGrupy(cp1250))
        return *usterka;
    if (i < 0 || i >= TDaneZadania::MaxGrup)
        return KomunikatLimituGrup();
    TGrupa& g = zad.Grupy[size_t(i)];
    g.Uzyta = 1;
    g.Nazwa = cp1250;
    g.Kolor = kolor;
    Zmieniono(zad);
    return {};
}

std::string WprowadzKombinacje(TDaneZadania& zad, int32_t i, std::string_view nazwa)
{
    const std::string cp1250 = PrzytnijNazwe(Utf8NaCp1250(nazwa));
    if (const auto usterka = UsterkaNazwyKombinacji(cp1250))
        return *usterka;
    if (i < 0 || i >= TDaneZadania::MaxKombinacji)
        return KomunikatLimituKombinacji();
    TWariant& w = zad.Kombinacje[size_t(i)];
    w.Uzyta = 1;
    w.Nazwa = cp1250;
    Zmieniono(zad);
    return {};
}

void WprowadzRodzajGrupy(TDaneZadania& zad, int32_t i, const TKlasyfikacjaGrupy& klasyfikacja)
{
    if (i < 0 || i >= TDaneZadania::MaxGrup)
        return;
    TKlasyfikacjaGrupy k;
    k.Rodzaj = klasyfikacja.Rodzaj;
    if (k.Rodzaj == TRodzajGrupy::Zmienne) {
        k.Kategoria = klasyfikacja.Kategoria;
        k.PoPrzeslach = klasyfikacja.PoPrzeslach;
    }
    if (zad.Klasyfikacje[size_t(i)] == k)
        return;
    zad.Klasyfikacje[size_t(i)] = k;
    Zmieniono(zad);
}

std::string SkrotRodzaju(const TKlasyfikacjaGrupy& klasyfikacja)
{
    switch (klasyfikacja.Rodzaj) {
    case TRodzajGrupy::Niesklasyfikowana:
        return {};
    case TRodzajGrupy::Stale:
        return "stałe";
    case TRodzajGrupy::Zmienne:
        break;
    }
    // The category's letter, or its whole name where it has none.
    const std::string klucz = KluczKategorii(klasyfikacja.Kategoria);
    return "zm. " + (klucz.size() == 1 ? klucz : std::string(NazwaKategorii(klasyfikacja.Kategoria)));
}

void PoDodaniuGrupyLubKombinacji(TDaneZadania& zad, TWyniki& wyn)
{
    DopasujWyniki(zad, wyn);
    Zmieniono(zad);
}

std::string ZapiszWspolczynniki(TDaneZadania& zad, std::vector<std::vector<std::string>>& komorki, char separator)
{
    std::string blad;
    std::vector<std::vector<float>> wartosci(komorki.size());
    for (size_t c = 0; c < komorki.size(); ++c)
        for (size_t j = 0; j < komorki[c].size(); ++j) {
            std::string& tekst = komorki[c][j];
            tekst = NormalizujSeparator(tekst, separator);
            const std::optional<float> v = Liczba(tekst, separator);
            const std::string komorka = "Kombinacja - " + std::to_string(c + 1) + "; Grupa - " + std::to_string(j + 1);
            if (!v)
                blad = "Błędny współczynnik obciążenia " + komorka + " !";
            else if (const auto usterka = UsterkaWspolczynnikaWpisu(int32_t(c), int32_t(j), *v))
                blad = *usterka;
            wartosci[c].push_back(v.value_or(0));
        }
    Zmieniono(zad);
    if (!blad.empty())
        return blad;
    for (size_t c = 0; c < wartosci.size() && c < size_t(TDaneZadania::MaxKombinacji); ++c)
        for (size_t j = 0; j < wartosci[c].size() && j < size_t(TDaneZadania::MaxGrup); ++j)
            zad.Wspolczynniki[c][j] = wartosci[c][j];
    return {};
}

bool ZapiszNowyWspolczynnik(TDaneZadania& zad, int32_t c, int32_t j, std::string& tekst, char separator)
{
    if (c < 0 || c >= TDaneZadania::MaxKombinacji || j < 0 || j >= TDaneZadania::MaxGrup)
        return false;
    const std::string normalny = NormalizujSeparator(tekst, separator);
    const std::optional<float> v = Liczba(normalny, separator);
    if (!v || UsterkaWspolczynnikaWpisu(c, j, *v))
        return false;
    tekst = normalny;
    zad.Wspolczynniki[size_t(c)][size_t(j)] = *v;
    return true;
}

// ---------------------------------------------------------------- settings

float TNastawy::*PoleNastaw(int pole)
{
    using namespace PoleUstawien;
    switch (pole) {
    case PSchem_Xo:
        return &TNastawy::SchematyPretowX;
    case Pschem_Yo:
        return &TNastawy::SchematyPretowY;
    case Schem_Xo:
        return &TNastawy::SchematX;
    case Schem_Yo:
        return &TNastawy::SchematY;
    case Reakc_Xo:
        return &TNastawy::ReakcjeX;
    case Reakc_Yo:
        return &TNastawy::ReakcjeY;
    case Poprz_Xo:
        return &TNastawy::PoprzeczneX;
    case Poprz_Yo:
        return &TNastawy::PoprzeczneY;
    case Momen_Xo:
        return &TNastawy::MomentyX;
    case Momen_Yo:
        return &TNastawy::MomentyY;
    case E_HPoprz:
        return &TNastawy::WysokoscPoprzecznych;
    case E_HMomen:
        return &TNastawy::WysokoscMomentow;
    case E_HRozCz:
        return &TNastawy::WysokoscCzcionki;
    case E_WRozCz:
        return &TNastawy::SzerokoscCzcionki;
    case E_ArkuszL:
        return &TNastawy::ArkuszL;
    case E_ArkuszH:
        return &TNastawy::ArkuszH;
    case Ugiec_Xo:
        return &TNastawy::UgieciaX;
    case Ugiec_Yo:
        return &TNastawy::UgieciaY;
    case E_HUgiec:
        return &TNastawy::WysokoscUgiec;
    case E_GranicaUgiec:
        return &TNastawy::GranicaUgiec;
    default:
        return nullptr;
    }
}

void WypelnijPolaUstawien(const TNastawy& nastawy, TPolaUstawien& pola, char separator)
{
    for (const int pole : PolaZNastaw)
        pola.Edycje[size_t(pole)] = FormatujMaska(nastawy.*PoleNastaw(pole), Maska::Ustawienie, separator);
}

float WspolczynnikGrubosci(int32_t pozycja)
{
    return float(pozycja) / 100 + 1;
}

std::optional<float> SkalaPozioma(std::string_view tekst, char separator)
{
    const std::optional<float> v = Liczba(tekst, separator);
    if (!v || !SkalaWGranicach(*v))
        return std::nullopt;
    return v;
}

std::optional<float> SkalaSilUstawien(const TDaneZadania& zad, const TPolaUstawien& pola, char separator)
{
    const auto dlugosc = [&](int pole) {
        return Liczba(NormalizujSeparator(pola.Edycje[size_t(pole)], separator), separator);
    };
    std::optional<float> d = 0.0f;
    if (pola.Skalowanie == TSkalowanieSil::NajwiekszaDo)
        d = dlugosc(PoleUstawien::E_HMaxSila);
    else if (pola.Skalowanie == TSkalowanieSil::Sila100kNDo)
        d = dlugosc(PoleUstawien::E_HMax100kN);
    if (!d)
        return std::nullopt;
    return SkalaSilSchematu(zad, pola.Skalowanie, *d);
}

std::string ZastosujUstawienia(TDaneZadania& zad, TPolaUstawien& pola, char separator)
{
    using namespace PoleUstawien;
    for (std::string& e : pola.Edycje)
        e = NormalizujSeparator(e, separator);

    std::string blad;
    const auto sprawdz = [&](int pole, std::string komunikat) {
        if (!Liczba(pola.Edycje[size_t(pole)], separator))
            blad = std::move(komunikat);
    };
    // The scale and the bar-scheme positions have no message of their own; every other one wins over them.
    if (!Liczba(pola.SkalaX, separator))
        blad = KomunikatRzeczywistej(pola.SkalaX);
    else if (const std::optional<float> s = SkalaPozioma(pola.SkalaX, separator))
        zad.SkalaX = *s;
    else
        blad = UsterkaSkaliWpisu(*Liczba(pola.SkalaX, separator)).value_or("");
    sprawdz(PSchem_Xo, KomunikatRzeczywistej(pola.Edycje[PSchem_Xo]));
    sprawdz(Pschem_Yo, KomunikatRzeczywistej(pola.Edycje[Pschem_Yo]));

    const std::string arkusz = "Nieprawidłowa wartość rozmiaru arkusza!";
    sprawdz(E_ArkuszH, arkusz);
    sprawdz(E_ArkuszL, arkusz);
    // A sheet of no size cannot be drawn on.
    if (pola.ArkuszUzytkownika)
        for (const int pole : {E_ArkuszH, E_ArkuszL})
            if (const std::optional<float> v = Liczba(pola.Edycje[size_t(pole)], separator); v && !(*v > 0))
                blad = arkusz;
    sprawdz(Schem_Xo, "Nieprawidłowa wartość X - SCHEMAT!");
    sprawdz(Schem_Yo, "Nieprawidłowa wartość Y - SCHEMAT!");
    sprawdz(Reakc_Xo, "Nieprawidłowa wartość X - REAKCJE!");
    sprawdz(Reakc_Yo, "Nieprawidłowa wartość Y - REAKCJE!");
    sprawdz(Poprz_Xo, "Nieprawidłowa wartość X - SIŁY POPRZECZNE!");
    sprawdz(Poprz_Yo, "Nieprawidłowa wartość Y - SIŁY POPRZECZNE!");
    sprawdz(Momen_Xo, "Nieprawidłowa wartość X - MOMENTY!");
    sprawdz(Momen_Yo, "Nieprawidłowa wartość Y - MOMENTY!");
    sprawdz(E_HPoprz, "Nieprawidłowa wartość wsp. Poprzeczne!");
    sprawdz(E_HMomen, "Nieprawidłowa wartość wsp. Momenty!");
    sprawdz(Ugiec_Xo, "Nieprawidłowa wartość X - UGIĘCIA!");
    sprawdz(Ugiec_Yo, "Nieprawidłowa wartość Y - UGIĘCIA!");
    sprawdz(E_HUgiec, "Nieprawidłowa wartość wsp. Ugięcia!");
    sprawdz(E_GranicaUgiec, "Nieprawidłowa wartość dopuszczalnego ugięcia L / ...!");
    sprawdz(E_HRozCz, "Nieprawidłowa wartość wysokość czcionki!");
    sprawdz(E_WRozCz, "Nieprawidłowa wartość wsp. szerokości czcionki!");

    TNastawy& n = zad.Nastawy;
    n.PiszJednostki = pola.PiszJednostki;
    n.RysujKratke = pola.RysujKratke;
    n.RozbijSilyGrupy = pola.RozbijSilyGrupy;
    n.WspGrubosci = WspolczynnikGrubosci(pola.WspGrubosci);
    // A length that is no number keeps the old scale; its own message follows.
    if (const std::optional<float> s = SkalaSilUstawien(zad, pola, separator))
        n.SkalaSil = *s;

    sprawdz(E_HMaxSila, "Nieprawidłowa wartość wysokość sił na schemacie dla max. siły!");
    sprawdz(E_HMax100kN, "Nieprawidłowa wartość wysokość sił na schemacie dla  siły 100kN!");
    if (!blad.empty())
        return blad;

    for (int pole = 0; pole < Ilosc; ++pole)
        if (float TNastawy::*f = PoleNastaw(pole))
            n.*f = *Liczba(pola.Edycje[size_t(pole)], separator);
    n.ArkuszUzytkownika = pola.ArkuszUzytkownika;
    return {};
}
