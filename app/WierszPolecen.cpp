#include "app/WierszPolecen.h"

#include "analysis/Obwiednie.h"
#include "analysis/Wyniki.h"
#include "app/Raport.h"
#include "model/Zadanie.h"
#include "platform/KomunikatyStrumien.h"
#include "platform/Regionalne.h"
#include "projectfile/PlikZadania.h"

#include <ostream>

namespace {

bool RozmiarObrazu(const std::string& tekst, int& szer, int& wys)
{
    const size_t x = tekst.find('x');
    if (x == std::string::npos)
        return false;
    try {
        size_t k1 = 0, k2 = 0;
        szer = std::stoi(tekst.substr(0, x), &k1);
        wys = std::stoi(tekst.substr(x + 1), &k2);
        return k1 == x && k2 == tekst.size() - x - 1 && szer >= 16 && wys >= 16 && szer <= 16384 && wys <= 16384;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

const char* const TekstPomocy =
    "QUARVI — statyka belki ciągłej metodą przemieszczeń\n"
    "\n"
    "Użycie:\n"
    "  quarvi                          otwiera okno programu\n"
    "  quarvi --wyniki PLIK.qvr        wypisuje wyniki obliczeń: dla każdej kombinacji i przęsła\n"
    "                                  momenty i siły na końcach, reakcje, ekstremalne momenty\n"
    "                                  i siły poprzeczne z położeniem, a dalej obwiednie\n"
    "  quarvi --json PLIK.qvr          te same wyniki w formacie JSON (liczby z kropką)\n"
    "  quarvi --pdf WYNIK.pdf PLIK.qvr zapisuje arkusze jako PDF: strona na kombinację\n"
    "                                  i strona obwiedni przy dwóch i więcej kombinacjach\n"
    "  quarvi --png WYNIK.png PLIK.qvr [--rozmiar 1600x1000]\n"
    "                                  zapisuje obraz arkuszy, jak pokazuje go okno\n"
    "  quarvi --help                   ten opis\n"
    "\n"
    "Liczby w wynikach tekstowych mają separator dziesiętny z ustawień systemu.\n"
    "Błąd (brak pliku, zła liczba, zadanie niemożliwe do policzenia) wypisuje komunikat\n"
    "na standardowe wyjście błędów i kończy program kodem 1.\n";

TPolecenie RozbierzPolecenie(const std::vector<std::string>& argumenty)
{
    TPolecenie p;
    const auto blad = [&](std::string tekst) {
        p.Rodzaj = TPolecenie::TRodzaj::Blad;
        p.Blad = std::move(tekst);
        return p;
    };
    if (argumenty.empty())
        return p;
    const std::string& opcja = argumenty[0];
    if (opcja == "--help" || opcja == "-h") {
        p.Rodzaj = TPolecenie::TRodzaj::Pomoc;
        return p;
    }
    if (opcja == "--wyniki" || opcja == "--json") {
        if (argumenty.size() != 2)
            return blad("Opcja " + opcja + " wymaga jednego argumentu: pliku zadania.");
        p.Rodzaj = opcja == "--wyniki" ? TPolecenie::TRodzaj::Wyniki : TPolecenie::TRodzaj::Json;
        p.Plik = argumenty[1];
        return p;
    }
    if (opcja == "--pdf") {
        if (argumenty.size() != 3)
            return blad("Opcja --pdf wymaga dwóch argumentów: pliku PDF i pliku zadania.");
        p.Rodzaj = TPolecenie::TRodzaj::Pdf;
        p.Wyjscie = argumenty[1];
        p.Plik = argumenty[2];
        return p;
    }
    if (opcja == "--png") {
        if (argumenty.size() != 3 && argumenty.size() != 5)
            return blad("Opcja --png wymaga pliku PNG i pliku zadania, a potem ewentualnie --rozmiar SZERxWYS.");
        p.Rodzaj = TPolecenie::TRodzaj::Png;
        p.Wyjscie = argumenty[1];
        p.Plik = argumenty[2];
        if (argumenty.size() == 5 &&
            (argumenty[3] != "--rozmiar" || !RozmiarObrazu(argumenty[4], p.Szerokosc, p.Wysokosc)))
            return blad("Rozmiar obrazu podaje się jako --rozmiar SZERxWYS, np. --rozmiar 1600x1000.");
        return p;
    }
    return blad("Nieznana opcja: " + opcja + ". Opis użycia: quarvi --help");
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
    TKomunikatyStrumien komunikaty(bledy);
    // Analysed here, as the first composition after opening would.
    zad.DoPrzeliczenia = false;
    return PrzeliczZadanie(zad, wyn, komunikaty);
}

int WykonajTekstowe(const TPolecenie& polecenie, const TRegionalne& regionalne, std::ostream& out,
                    std::ostream& bledy)
{
    TDaneZadania zad;
    NowyTemat(zad);
    TWyniki wyn;
    if (!WczytajIPrzelicz(polecenie.Plik, zad, wyn, bledy))
        return 1;
    if (polecenie.Rodzaj == TPolecenie::TRodzaj::Json)
        out << WynikiJson(zad, wyn);
    else
        PiszWyniki(out, zad, wyn, regionalne.SeparatorDziesietny, polecenie.Plik);
    return 0;
}
