#include "mainwindow/Polecenia.h"

#include "app/RaportPdf.h"
#include "app/TabeleRaportu.h"
#include "drawing/EkranWidoku.h"
#include "drawing/PodgladObciazen.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/WydrukPdf.h"
#include "mainwindow/Historia.h"
#include "platform/Komunikaty.h"
#include "platform/TekstQt.h"
#include "projectfile/PlikZadaniaQt.h"

#include <QClipboard>
#include <QDate>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* TekstyStartowe[] = {
    "  Program: QUARVI wer. 1.0.0",
    "  Program wolno używać i rozpowszechniać bezpłatnie, bez zmian w jego plikach.",
    "  Wyniki sprawdza projektant: autor nie odpowiada za skutki ich użycia.",
    "  Autor: zespół programu QUARVI",
    "         czerwiec 2009r",
};

std::string FolderPliku(const std::string& plik)
{
    return std::filesystem::path(plik).parent_path().string();
}

// A name given relative to the folder the program started in ("Strop.qvr"
// from the command line) keeps pointing there: with no folder of its own the
// save dialog would open in the root folder.
std::string Bezwzgledna(const std::string& plik)
{
    std::error_code blad;
    const std::filesystem::path p = std::filesystem::absolute(plik, blad);
    return blad ? plik : p.lexically_normal().string();
}

// One change of the task: the states before and after it. Pushing it does
// nothing, as the change is already made.
class TKrok : public QUndoCommand {
public:
    TKrok(TPolecenia& polecenia, TPolecenia::TStan przed, TPolecenia::TStan po, const std::string& nazwa)
        : QUndoCommand(ZUtf8(nazwa))
        , polecenia_(polecenia)
        , przed_(std::move(przed))
        , po_(std::move(po))
    {
    }
    void undo() override { polecenia_.Przywroc(przed_); }
    void redo() override
    {
        if (pierwszy_)
            pierwszy_ = false;
        else
            polecenia_.Przywroc(po_);
    }

private:
    TPolecenia& polecenia_;
    TPolecenia::TStan przed_;
    TPolecenia::TStan po_;
    bool pierwszy_ = true;
};

} // namespace

std::string IleStron(int32_t n)
{
    const int32_t d = n % 10, s = n % 100;
    const char* slowo = n == 1 ? "stronę" : d >= 2 && d <= 4 && (s < 12 || s > 14) ? "strony" : "stron";
    return std::to_string(n) + " " + slowo;
}

TPolecenia::TPolecenia(TProgram& program, TOtoczenie& otoczenie, IPodglad& podglad)
    : Kompozycja(program.Zadanie, program.Wyniki, program.Widok, program.Czcionka, otoczenie.Komunikaty,
                 program.Regionalne.SeparatorDziesietny)
    , Nagranie(program.Czcionka)
    , program_(program)
    , otoczenie_(otoczenie)
    , podglad_(podglad)
    , historia_(std::make_unique<QUndoStack>())
{
    historia_->setUndoLimit(LimitHistorii);
    Kompozycja.Pokazuj = program.Pokazuj;
    // The glyphs a missing or short file did not supply stay empty; the program goes on.
    const std::string blad = WczytajCzcionke(SciezkaCzcionki(program.FolderProgramu), program.Czcionka);
    if (!blad.empty())
        otoczenie.Komunikaty.Komunikat(blad);
    ZapytajDrukarke();
}

TPolecenia::~TPolecenia() = default;

void TPolecenia::ZapytajDrukarke()
{
    Kompozycja.Drukarka = otoczenie_.Drukarka ? otoczenie_.Drukarka() : std::nullopt;
}

void TPolecenia::Start(TRozmiarPowierzchni ekran, double skala)
{
    ObrazArkusza = QImage(std::max(ekran.Szerokosc, 1), std::max(ekran.Wysokosc, 1), QImage::Format_RGB32);
    Nagranie.Wyczysc();
    program_.Widok = TWidok{};
    NowyTemat(program_.Zadanie);
    if (Dialogi.NowyTemat)
        Dialogi.NowyTemat();
    // The first change of the task is a step too.
    NowaHistoria();
    stan_ = StanTeraz();
    const TRozmiarPowierzchni r = podglad_.RozmiarPodgladu();
    ZoomWszystko(program_.Widok, r.Szerokosc, r.Wysokosc);
    // The read-out is right before the first composition too.
    program_.Widok.EkranSrodekX = r.Szerokosc / 2.0;
    program_.Widok.EkranSrodekY = r.Wysokosc / 2.0;

    ObrazArkusza.fill(NaQColor(Kolor::JasnySzary));
    QPainter p(&ObrazArkusza);
    QFont f = p.font();
    f.setPixelSize(int(12 * skala));
    p.setFont(f);
    p.setPen(Qt::black);
    int y = 10;
    for (const char* tekst : TekstyStartowe) {
        p.drawText(QPointF(20 * skala, y * skala + p.fontMetrics().ascent()), QString::fromUtf8(tekst));
        y += 20;
    }
    p.end();
    podglad_.Pokaz();
}

QImage TPolecenia::Okno()
{
    const TRozmiarPowierzchni r = podglad_.RozmiarPodgladu();
    const int W = std::max(r.Szerokosc, 0), H = std::max(r.Wysokosc, 0);
    if (W > ObrazArkusza.width() || H > ObrazArkusza.height()) {
        // A paint box larger than the screen it started on (moved to a larger one).
        QImage wiekszy(std::max(W, ObrazArkusza.width()), std::max(H, ObrazArkusza.height()), QImage::Format_RGB32);
        wiekszy.fill(NaQColor(Kolor::JasnySzary));
        QPainter(&wiekszy).drawImage(0, 0, ObrazArkusza);
        ObrazArkusza = std::move(wiekszy);
    }
    // The picture of the view sees the paint box's size and draws nothing beyond it.
    return QImage(ObrazArkusza.bits(), W, H, ObrazArkusza.bytesPerLine(), ObrazArkusza.format());
}

void TPolecenia::Przerysuj()
{
    if (Dialogi.Pokazuj)
        program_.Pokazuj = Dialogi.Pokazuj();
    Kompozycja.Pokazuj = program_.Pokazuj;
    Skomponuj(Kompozycja, &Nagranie);
    ZapiszKrok();
    WidokZmieniony();
}

TPolecenia::TStan TPolecenia::StanTeraz() const
{
    TStan stan{program_.Zadanie, Dialogi.ListaGrup ? Dialogi.ListaGrup() : std::vector<std::string>{}};
    // The load lists show the loads unsplit while open and split them again
    // on closing: the switch belongs to the settings dialog, not to a step.
    stan.Zadanie.Nastawy.RozbijSilyGrupy = false;
    return stan;
}

void TPolecenia::NowaHistoria()
{
    historia_->clear();
    stan_.reset();
}

void TPolecenia::ZapiszKrok()
{
    if (przywracanie_)
        return;
    TStan teraz = StanTeraz();
    if (!stan_) {
        stan_ = std::move(teraz);
        return;
    }
    if (!TaSamaTresc(stan_->Zadanie, teraz.Zadanie) || stan_->ListaGrup != teraz.ListaGrup) {
        const std::string nazwa = NazwaZmiany(stan_->Zadanie, teraz.Zadanie);
        TStan przed = std::move(*stan_);
        stan_ = teraz;
        historia_->push(new TKrok(*this, std::move(przed), std::move(teraz), nazwa));
    }
    // A dialog confirmed without a change leaves the task as saved.
    program_.Zadanie.NieZapisane = !historia_->isClean();
}

void TPolecenia::Przywroc(const TStan& stan)
{
    TDaneZadania& zad = program_.Zadanie;
    const bool nieZapisane = zad.NieZapisane;
    const bool rozbij = zad.Nastawy.RozbijSilyGrupy;
    zad = stan.Zadanie;
    zad.NieZapisane = nieZapisane;
    zad.Nastawy.RozbijSilyGrupy = rozbij;
    zad.DoPrzeliczenia = true;
    // The dialogs' grids, hinges and group list as they were; the force
    // scale is the step's own, not the settings' rule.
    if (Dialogi.PoOdczycie)
        Dialogi.PoOdczycie(WidokiZadania(zad, stan.ListaGrup));
    zad.Nastawy.SkalaSil = stan.Zadanie.Nastawy.SkalaSil;
    DopasujDoIlosciPrzesel(zad, program_.Wyniki);
    UstawRozmiarArkusza(program_.Widok, Kompozycja.Drukarka, zad.Nastawy, zad.SkalaX, zad.SkalaY);
    stan_ = stan;
    przywracanie_ = true;
    Przerysuj();
    przywracanie_ = false;
}

void TPolecenia::Cofnij()
{
    if (!historia_->canUndo())
        return;
    historia_->undo();
    program_.Zadanie.NieZapisane = !historia_->isClean();
    podglad_.Pokaz();
}

void TPolecenia::Ponow()
{
    if (!historia_->canRedo())
        return;
    historia_->redo();
    program_.Zadanie.NieZapisane = !historia_->isClean();
    podglad_.Pokaz();
}

void TPolecenia::WidokZmieniony()
{
    if (!Nagranie.Puste()) {
        QImage okno = Okno();
        TPowierzchniaQt powierzchnia(okno);
        Odtworz(Nagranie, program_.Widok, powierzchnia);
    }
    podglad_.Pokaz();
}

bool TPolecenia::MoznaPorzucic()
{
    if (!program_.Zadanie.NieZapisane)
        return true;
    switch (otoczenie_.Komunikaty.PytanieZAnulowaniem(PytanieONiezapisanych)) {
    case TOdpowiedz::Tak:
        return Zapisz();
    case TOdpowiedz::Nie:
        return true;
    case TOdpowiedz::Anuluj:
        break;
    }
    return false;
}

bool TPolecenia::NoweZadanie()
{
    if (!MoznaPorzucic())
        return false;
    TDaneZadania& zad = program_.Zadanie;
    NowyTemat(zad);
    if (Dialogi.NowyTemat)
        Dialogi.NowyTemat();
    // A new task has nothing to lose until it is changed.
    zad.NieZapisane = false;
    zad.DoPrzeliczenia = true;
    plik_.clear();
    RozmiescArkusze(zad, program_.Widok);
    NowaHistoria();
    Przerysuj();
    return true;
}

bool TPolecenia::Otworz()
{
    Przerysuj();
    if (!MoznaPorzucic())
        return false;
    const std::optional<std::string> nazwa = otoczenie_.WybierzPlik(Dialog(TDialogPliku::TRodzaj::Odczyt));
    return nazwa && Czytaj(*nazwa);
}

bool TPolecenia::Otworz(const std::string& plik)
{
    return MoznaPorzucic() && Czytaj(plik);
}

bool TPolecenia::OtworzOstatni(size_t i)
{
    if (i >= ostatnie_.size())
        return false;
    const std::string plik = ostatnie_[i];
    // Looked for as the reader opens it.
    if (!QFileInfo(ZUtf8(plik)).isFile()) {
        ostatnie_.erase(ostatnie_.begin() + std::ptrdiff_t(i));
        if (PoZmianieOstatnich)
            PoZmianieOstatnich();
        otoczenie_.Komunikaty.Komunikat("Pliku „" + plik + "” już nie ma — usunięto go z listy ostatnich plików.");
        return false;
    }
    return Otworz(plik);
}

void TPolecenia::UstawOstatnie(std::vector<std::string> pliki)
{
    if (pliki.size() > IloscOstatnich)
        pliki.resize(IloscOstatnich);
    ostatnie_ = std::move(pliki);
}

void TPolecenia::ZapamietajOstatni(const std::string& plik)
{
    std::erase(ostatnie_, plik);
    ostatnie_.insert(ostatnie_.begin(), plik);
    if (ostatnie_.size() > IloscOstatnich)
        ostatnie_.resize(IloscOstatnich);
    if (PoZmianieOstatnich)
        PoZmianieOstatnich();
}

bool TPolecenia::Czytaj(const std::string& plik)
{
    TDaneZadania& zad = program_.Zadanie;
    TWidokiZPliku widoki;
    std::string blad;
    // The task is replaced only by a file read to its end.
    if (!CzytajPlik(plik, zad, widoki, blad)) {
        otoczenie_.Komunikaty.Komunikat(blad);
        return false;
    }
    plik_ = Bezwzgledna(plik);
    ZapamietajOstatni(plik_);
    zad.DoPrzeliczenia = true;
    zad.NieZapisane = false;
    zad.Nastawy.SkalaSil = SkalaSilSchematu(zad, TSkalowanieSil::Automatyczne);
    // The dialogs' grids and group list, and the force scale their settings choose.
    if (Dialogi.PoOdczycie)
        Dialogi.PoOdczycie(widoki);
    DopasujDoIlosciPrzesel(zad, program_.Wyniki);
    UstawRozmiarArkusza(program_.Widok, Kompozycja.Drukarka, zad.Nastawy, zad.SkalaX, zad.SkalaY);
    RozmiescArkusze(zad, program_.Widok);
    NowaHistoria();
    Przerysuj();
    return true;
}

bool TPolecenia::Zapisz()
{
    return plik_.empty() ? ZapiszJako() : ZapiszDo(plik_);
}

bool TPolecenia::ZapiszJako()
{
    const std::optional<std::string> nazwa = otoczenie_.WybierzPlik(Dialog(TDialogPliku::TRodzaj::Zapis));
    return nazwa && ZapiszDo(*nazwa);
}

bool TPolecenia::ZapiszDo(const std::string& nazwa)
{
    std::string blad;
    if (!ZapiszPlik(nazwa, program_.Zadanie, program_.Regionalne, blad)) {
        otoczenie_.Komunikaty.Komunikat(blad);
        return false;
    }
    plik_ = Bezwzgledna(nazwa);
    ZapamietajOstatni(plik_);
    historia_->setClean();
    program_.Zadanie.NieZapisane = false;
    podglad_.Pokaz();
    return true;
}

TDialogPliku TPolecenia::Dialog(TDialogPliku::TRodzaj rodzaj) const
{
    TDialogPliku d;
    d.Rodzaj = rodzaj;
    d.Folder = plik_.empty() ? (program_.FolderProgramu / "Przykłady").string() : FolderPliku(plik_);
    switch (rodzaj) {
    case TDialogPliku::TRodzaj::Odczyt:
        d.Filtr = FiltrOdczytu;
        d.Rozszerzenie = "qvr";
        break;
    case TDialogPliku::TRodzaj::Zapis:
        d.Filtr = FiltrZapisu;
        d.Rozszerzenie = "qvr";
        d.Nazwa = plik_;
        break;
    case TDialogPliku::TRodzaj::ZapisPdf:
        d.Filtr = FiltrPdf;
        d.Rozszerzenie = "pdf";
        if (!plik_.empty())
            d.Nazwa = std::filesystem::path(plik_).replace_extension(".pdf").string();
        break;
    case TDialogPliku::TRodzaj::ZapisRaportu:
        d.Filtr = FiltrPdf;
        d.Rozszerzenie = "pdf";
        // Beside the task, not over the sheets printed into a PDF.
        if (!plik_.empty())
            d.Nazwa = std::filesystem::path(plik_).replace_extension().string() + " - raport.pdf";
        break;
    }
    return d;
}

void TPolecenia::Kopiuj()
{
    const TRozmiarPowierzchni r = podglad_.RozmiarPodgladu();
    // Exactly what the paint box shows; nothing is composed again.
    QGuiApplication::clipboard()->setImage(ObrazArkusza.copy(0, 0, r.Szerokosc, r.Wysokosc));
}

void TPolecenia::Drukuj()
{
    // A printer may have come or gone since the program started.
    ZapytajDrukarke();
    TDaneZadania& zad = program_.Zadanie;
    // The footer of every page names the file, the sheet and the day.
    Kompozycja.NazwaPliku = plik_.empty() ? "" : std::filesystem::path(plik_).filename().string();
    Kompozycja.DataWydruku =
        QDate::currentDate().toString(QString::fromStdString(program_.Regionalne.FormatDaty)).toStdString();
    // A beam wider than the page is asked about on the page it would print on.
    bool drukowac = false;
    if (Kompozycja.Drukarka) {
        drukowac = PotwierdzWydruk(Kompozycja, otoczenie_.Komunikaty);
    } else {
        const TPdfJakoDrukarka naPdf(Kompozycja);
        drukowac = PotwierdzWydruk(Kompozycja, otoczenie_.Komunikaty);
    }
    if (!drukowac) {
        Przerysuj();
        return;
    }
    if (Kompozycja.Drukarka) {
        const std::unique_ptr<IWydruk> wydruk = otoczenie_.NowyWydruk();
        const int32_t strony = ::Drukuj(Kompozycja, *wydruk);
        if (strony > 0)
            podglad_.Wiadomosc("Wysłano " + IleStron(strony) + " do drukarki domyślnej.");
        if (strony < IloscStronWydruku(zad))
            otoczenie_.Komunikaty.Komunikat("Drukarka nie przyjęła wszystkich arkuszy — sprawdź ją i wydrukuj "
                                            "jeszcze raz.");
    } else if (const auto nazwa = otoczenie_.WybierzPlik(Dialog(TDialogPliku::TRodzaj::ZapisPdf))) {
        // Without a printer the same pages go into a PDF file.
        std::string blad;
        const std::string tytul = plik_.empty() ? "QUARVI" : std::filesystem::path(plik_).filename().string();
        if (DrukujDoPdf(Kompozycja, *nazwa, tytul, blad))
            podglad_.Wiadomosc("Zapisano " + IleStron(IloscStronWydruku(zad)) + " w pliku " + *nazwa + ".");
        else
            otoczenie_.Komunikaty.Komunikat(blad);
    }
    Przerysuj();
}

void TPolecenia::Raport()
{
    // The results of the task as it is now.
    Przerysuj();
    TDaneZadania& zad = program_.Zadanie;
    if (zad.IloscPrzesel < 1 || !SaObciazenia(zad) || program_.Wyniki.IloscPoliczonych < 1) {
        otoczenie_.Komunikaty.Komunikat("Raport obejmuje wyniki obliczeń: wprowadź geometrię belki i obciążenia.");
        return;
    }
    const auto nazwa = otoczenie_.WybierzPlik(Dialog(TDialogPliku::TRodzaj::ZapisRaportu));
    if (!nazwa)
        return;
    TMetryczkaRaportu m;
    m.Plik = plik_.empty() ? "(zadanie niezapisane)" : std::filesystem::path(plik_).filename().string();
    m.Data = QDate::currentDate().toString(QString::fromStdString(program_.Regionalne.FormatDaty)).toStdString();
    Kompozycja.NazwaPliku = plik_.empty() ? "" : m.Plik;
    Kompozycja.DataWydruku = m.Data;
    std::string blad;
    if (!ZapiszRaport(Kompozycja, m, *nazwa, blad))
        otoczenie_.Komunikaty.Komunikat(blad);
    Przerysuj();
}

void TPolecenia::ZaznaczPrzeslo(int32_t przeslo, const TPiora& piora)
{
    const TRozmiarPowierzchni r = podglad_.RozmiarPodgladu();
    const int W = std::min(std::max(r.Szerokosc, 0), ObrazArkusza.width());
    const int H = std::min(std::max(r.Wysokosc, 0), ObrazArkusza.height());
    QImage okno(ObrazArkusza.bits(), W, H, ObrazArkusza.bytesPerLine(), ObrazArkusza.format());
    {
        TPowierzchniaQt powierzchnia(okno);
        TEkranWidoku ekran(powierzchnia, program_.Widok, program_.Czcionka);
        TRysowanie rys{&ekran,
                       nullptr,
                       program_.Widok,
                       program_.Czcionka,
                       program_.Zadanie.Nastawy,
                       program_.Regionalne.SeparatorDziesietny};
        ::ZnacznikPrzesla(rys, program_.Zadanie, przeslo, piora);
    }
    podglad_.Pokaz();
}

void TPolecenia::RysujPodglad(QImage& nakladka, const TObciazeniePodgladu& obciazenie)
{
    TPowierzchniaQt powierzchnia(nakladka);
    const TRysowanieNakladki rys{powierzchnia, program_.Widok, program_.Zadanie.Nastawy,
                                 program_.Regionalne.SeparatorDziesietny};
    ::PodgladObciazenia(rys, program_.Zadanie, obciazenie);
}

void TPolecenia::Komunikat(const std::string& tekst)
{
    otoczenie_.Komunikaty.Komunikat(tekst);
}
