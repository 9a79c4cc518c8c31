#include "app/WierszPolecen.h"

#include "analysis/Analiza.h"
#include "analysis/Wyniki.h"
#include "app/Raport.h"
#include "model/Granice.h"
#include "model/Zadanie.h"
#include "platform/KomunikatyStrumien.h"
#include "platform/Regionalne.h"
#include "platform/TekstyLiczb.h"
#include "projectfile/PlikZadaniaQt.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <system_error>

namespace {

bool RozmiarObrazu(const std::string& tekst, int& szer, int& wys)
{
    const size_t x = tekst.find('x');
    int32_t a = 0, b = 0;
    if (x == std::string::npos || !CzytajCalkowita(tekst.substr(0, x), a) || !CzytajCalkowita(tekst.substr(x + 1), b))
        return false;
    if (a < 16 || b < 16 || a > 16384 || b > 16384)
        return false;
    szer = a;
    wys = b;
    return true;
}

// Counts what the analysis reports while writing it where the user reads it.
class TKomunikatyLiczone : public TKomunikatyStrumien {
public:
    using TKomunikatyStrumien::TKomunikatyStrumien;
    int Ilosc = 0;
    void Komunikat(const std::string& tekst) override
    {
        ++Ilosc;
        TKomunikatyStrumien::Komunikat(tekst);
    }
};

} // namespace

const char* const TekstPomocy =
    "QUARVI — statyka belki ciągłej metodą przemieszczeń\n"
    "\n"
    "Użycie:\n"
    "  quarvi [PLIK.qvr]               otwiera okno programu, ewentualnie z zadaniem\n"
    "  quarvi --wyniki PLIK.qvr        wypisuje wyniki obliczeń: dla każdej kombinacji i przęsła\n"
    "                                  momenty i siły na końcach, reakcje, ekstremalne momenty\n"
    "                                  i siły poprzeczne z położeniem, a dalej obwiednie\n"
    "  quarvi --json PLIK.qvr          te same wyniki w formacie JSON (liczby z kropką)\n"
    "  quarvi --pdf WYNIK.pdf PLIK.qvr [--skala N]\n"
    "                                  zapisuje arkusze jako PDF: strona na kombinację\n"
    "                                  i strona obwiedni przy dwóch i więcej kombinacjach\n"
    "  quarvi --png WYNIK.png PLIK.qvr [--rozmiar 1600x1000] [--skala N]\n"
    "                                  zapisuje obraz arkuszy, jak pokazuje go okno\n"
    "  quarvi --raport RAPORT.pdf PLIK.qvr [--skala N]\n"
    "                                  zapisuje raport obliczeń (PDF, A4): dane i wyniki\n"
    "                                  w tabelach, a po nich arkusze jak w wydruku\n"
    "  quarvi --csv WYNIKI.csv PLIK.qvr [--krok 0,1]\n"
    "                                  zapisuje M i T co krok (w metrach) i w ekstremach\n"
    "                                  każdego przęsła każdej kombinacji jako tabelę CSV\n"
    "  quarvi --help                   ten opis\n"
    "\n"
    "--skala N rysuje belkę w skali poziomej 1:N (domyślnie 1:100), np. --skala 200,\n"
    "aby długa belka zmieściła się na arkuszu. Opcje można podać w dowolnej kolejności;\n"
    "plik wyniku stoi przed plikiem zadania.\n"
    "\n"
    "Liczby w wynikach tekstowych, raporcie i tabeli CSV mają separator dziesiętny\n"
    "z ustawień systemu; pola CSV dzieli średnik, gdy separatorem jest przecinek.\n"
    "Błąd (brak pliku, uszkodzony plik, zadanie niemożliwe do policzenia, macierz\n"
    "osobliwa) wypisuje komunikat na standardowe wyjście błędów i kończy program kodem 1.\n";

TPolecenie RozbierzPolecenie(const std::vector<std::string>& argumenty)
{
    TPolecenie p;
    const auto blad = [&](std::string tekst) {
        p.Rodzaj = TPolecenie::TRodzaj::Blad;
        p.Blad = std::move(tekst);
        return p;
    };
    using R = TPolecenie::TRodzaj;
    std::string tryb;
    std::optional<std::string> rozmiar, skala, krok;
    std::vector<std::string> pliki;
    for (size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        if (a == "--rozmiar" || a == "--skala" || a == "--krok") {
            const char* przyklad = a == "--skala"  ? "--skala 200"
                                   : a == "--krok" ? "--krok 0,1"
                                                   : "--rozmiar 1600x1000";
            if (i + 1 == argumenty.size() || argumenty[i + 1].empty())
                return blad("Opcja " + a + " wymaga wartości, np. " + przyklad + ".");
            std::optional<std::string>& wartosc = a == "--skala" ? skala : a == "--krok" ? krok : rozmiar;
            // The second of two values would win without a word.
            if (wartosc)
                return blad("Opcja " + a + " jest podana dwa razy.");
            wartosc = argumenty[++i];
        } else if (a == "--help" || a == "-h" || a == "--wyniki" || a == "--json" || a == "--pdf" || a == "--png" ||
                   a == "--raport" || a == "--csv") {
            if (tryb == a)
                return blad("Opcja " + a + " jest podana dwa razy.");
            if (!tryb.empty())
                return blad("Opcje " + tryb + " i " + a + " wykluczają się.");
            tryb = a;
        } else if (a.starts_with("-") && a.size() > 1) {
            return blad("Nieznana opcja: " + a + ". Opis użycia: quarvi --help");
        } else {
            pliki.push_back(a);
        }
    }
    if (tryb == "--help" || tryb == "-h") {
        p.Rodzaj = R::Pomoc;
        return p;
    }
    if (tryb.empty()) {
        // A task file alone opens the window with it.
        if (pliki.size() > 1)
            return blad("Okno programu otwiera jeden plik zadania. Opis użycia: quarvi --help");
        if (rozmiar || skala || krok)
            return blad("Opcje --rozmiar, --skala i --krok dotyczą tylko --png, --pdf, --raport i --csv.");
        p.Plik = pliki.empty() ? "" : pliki[0];
        return p;
    }
    if (krok && tryb != "--csv")
        return blad("Opcja --krok dotyczy tylko --csv.");
    if (tryb == "--csv") {
        if (pliki.size() != 2)
            return blad("Opcja --csv wymaga dwóch argumentów: pliku CSV i pliku zadania.");
        if (rozmiar || skala)
            return blad("Opcje --rozmiar i --skala nie dotyczą --csv.");
        p.Rodzaj = R::Csv;
        p.Wyjscie = pliki[0];
        p.Plik = pliki[1];
        // At least a millimetre: a finer step only makes the table longer than anyone reads.
        if (krok && (!CzytajLiczbe(*krok, ",.", p.Krok) || !(p.Krok >= 0.001) || p.Krok > 1000))
            return blad("Krok podaje się w metrach, od 0,001 do 1000, np. --krok 0,1.");
        return p;
    }
    const bool rysunek = tryb == "--pdf" || tryb == "--png" || tryb == "--raport";
    if (!rysunek) {
        if (pliki.size() != 1)
            return blad("Opcja " + tryb + " wymaga jednego argumentu: pliku zadania.");
        if (rozmiar || skala)
            return blad("Opcje --rozmiar i --skala dotyczą tylko --png, --pdf i --raport.");
        p.Rodzaj = tryb == "--wyniki" ? R::Wyniki : R::Json;
        p.Plik = pliki[0];
        return p;
    }
    if (pliki.size() != 2)
        return blad(tryb == "--png" ? "Opcja --png wymaga pliku PNG i pliku zadania, a ewentualnie --rozmiar SZERxWYS."
                                    : "Opcja " + tryb + " wymaga dwóch argumentów: pliku PDF i pliku zadania.");
    p.Rodzaj = tryb == "--pdf" ? R::Pdf : tryb == "--raport" ? R::Raport : R::Png;
    p.Wyjscie = pliki[0];
    p.Plik = pliki[1];
    if (rozmiar && (p.Rodzaj != R::Png || !RozmiarObrazu(*rozmiar, p.Szerokosc, p.Wysokosc)))
        return blad(p.Rodzaj != R::Png ? "Opcja --rozmiar dotyczy tylko --png."
                                       : "Rozmiar obrazu podaje się jako --rozmiar SZERxWYS, np. --rozmiar 1600x1000.");
    if (skala) {
        double v = 0;
        if (!CzytajLiczbe(*skala, ",.", v) || !SkalaWGranicach(v))
            return blad("Skalę poziomą podaje się jako mianownik od 1 do 100000, np. --skala 200 dla 1:200.");
        p.SkalaX = float(v);
    }
    return p;
}

std::string WyjscieNadpisujeZadanie(const std::string& wyjscie, const std::string& plik)
{
    namespace fs = std::filesystem;
    std::error_code e1, e2;
    const bool taSama = fs::exists(wyjscie, e1) ? fs::equivalent(wyjscie, plik, e2)
                                                : fs::weakly_canonical(wyjscie, e1) == fs::weakly_canonical(plik, e2);
    if (!taSama || e1 || e2)
        return {};
    return "Plik wyniku " + wyjscie + " jest plikiem zadania; podaj inną nazwę, aby go nie nadpisać.";
}

std::optional<std::string> PoczatekPliku(const std::string& sciezka, size_t n)
{
    namespace fs = std::filesystem;
    std::error_code e;
    if (!fs::is_regular_file(sciezka, e) || fs::file_size(sciezka, e) == 0)
        return std::nullopt;
    std::ifstream plik(sciezka, std::ios::binary);
    std::string poczatek(n, '\0');
    plik.read(poczatek.data(), std::streamsize(n));
    poczatek.resize(size_t(plik.gcount()));
    return poczatek;
}

std::string WyjscieNieJestRysunkiem(const std::string& wyjscie)
{
    const std::optional<std::string> p = PoczatekPliku(wyjscie, 8);
    if (!p || p->starts_with("%PDF-") || *p == "\x89PNG\r\n\x1a\n")
        return {};
    return "Plik wyniku " + wyjscie +
           " już istnieje i nie jest dokumentem PDF ani obrazem PNG, więc nie zostanie "
           "nadpisany. Plik wyniku stoi przed plikiem zadania: quarvi --pdf WYNIK.pdf PLIK.qvr.";
}

std::string UwagaOPamieciObrazu(int szerokosc, int wysokosc)
{
    const int64_t megabajty = int64_t(szerokosc) * wysokosc * 4 / (1024 * 1024);
    if (megabajty < 256)
        return {};
    return "Obraz " + std::to_string(szerokosc) + "x" + std::to_string(wysokosc) + " zajmie w pamięci " +
           std::to_string(megabajty) + " MB.";
}

bool WczytajIPrzelicz(const std::string& plik, TDaneZadania& zad, TWyniki& wyn, std::ostream& bledy)
{
    TWidokiZPliku widoki;
    std::string blad;
    if (!CzytajPlik(plik, zad, widoki, blad)) {
        bledy << blad << '\n';
        return false;
    }
    if (zad.IloscPrzesel < 1) {
        bledy << "Plik " << plik << " nie zawiera geometrii belki — nie ma czego policzyć.\n";
        return false;
    }
    zad.Nastawy.SkalaSil = SkalaSilSchematu(zad, TSkalowanieSil::Automatyczne);
    TKomunikatyLiczone komunikaty(bledy);
    // Analysed here, as the first composition after opening would.
    zad.DoPrzeliczenia = false;
    return PrzeliczZadanie(zad, wyn, komunikaty) && komunikaty.Ilosc == 0;
}

bool ZajmijZamknieteStrumienie()
{
    bool wyjscie = false;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        wyjscie = wyjscie || fd == STDOUT_FILENO;
        // The lowest free descriptor: this one, as the lower ones are open by now.
        ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
    return wyjscie;
}

int WypiszNaWyjscie(std::string_view tekst, bool wyjscieZamkniete, std::ostream& bledy)
{
    int blad = wyjscieZamkniete ? EBADF : 0;
    while (!tekst.empty() && blad == 0) {
        const ssize_t n = ::write(STDOUT_FILENO, tekst.data(), tekst.size());
        if (n > 0)
            tekst.remove_prefix(size_t(n));
        else if (n == 0)
            blad = EIO;
        else if (errno != EINTR)
            blad = errno;
    }
    if (blad == 0)
        return 0;
    bledy << "Nie można pisać na standardowe wyjście: " << std::strerror(blad) << ".\n";
    return 1;
}

int WykonajTekstowe(const TPolecenie& polecenie, const TRegionalne& regionalne, std::ostream& out, std::ostream& bledy)
{
    TDaneZadania zad;
    NowyTemat(zad);
    TWyniki wyn;
    wyn.ZapisujWykresy = false; // the texts need the extremes, not the lines
    if (!WczytajIPrzelicz(polecenie.Plik, zad, wyn, bledy))
        return 1;
    if (polecenie.Rodzaj == TPolecenie::TRodzaj::Json)
        out << WynikiJson(zad, wyn);
    else
        PiszWyniki(out, zad, wyn, regionalne.SeparatorDziesietny, polecenie.Plik);
    return 0;
}
