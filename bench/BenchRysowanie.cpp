// The sheets of the largest task in a 1920 × 1080 picture. A view drawn from
// the recording, the cost of every mouse move of a pan, at two views: zoom all
// (the first sheet and the end of the envelope sheet in the picture) and
// zoomed out until all 11 sheets are in it. And beside them what a change of
// the task costs before the view is drawn: the analysis and the composition
// of all sheets into the recording.
#include "NajwiekszeZadanie.h"

#include "analysis/Wyniki.h"
#include "drawing/Arkusze.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/Widok.h"
#include "platform/Komunikaty.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cstdlib>
#include <memory>

namespace {

constexpr int W = 1920, H = 1080;

struct TStanowisko {
    TDaneZadania Zadanie;
    TWyniki Wyniki;
    TWidok Widok;
    std::unique_ptr<TCzcionka> Czcionka = std::make_unique<TCzcionka>();
    TRejestrKomunikatow Komunikaty;
    // No printer: the sheets take their default size.
    TKompozycja Kompozycja{Zadanie, Wyniki, Widok, *Czcionka, Komunikaty};
    TNagranie Nagranie{*Czcionka};
    QImage Obraz{W, H, QImage::Format_RGB32};

    TStanowisko()
    {
        WczytajCzcionke(QUARVI_PLIK_CZCIONKI, *Czcionka);
        NowyTemat(Zadanie);
        NajwiekszeZadanie(Zadanie);
        Zadanie.DoPrzeliczenia = true;
        UstawRozmiarArkusza(Widok, std::nullopt, Zadanie.Nastawy, Zadanie.SkalaX, Zadanie.SkalaY);
        RozmiescArkusze(Zadanie, Widok);
        ZoomWszystko(Widok, W, H);
        Skomponuj(Kompozycja, &Nagranie); // the one recomputation
    }

    void Rysuj()
    {
        TPowierzchniaQt p(Obraz);
        Odtworz(Nagranie, Widok, p);
    }

    // Zoomed out about the middle of all sheets until the envelope sheet's
    // left edge and the last combination sheet's right edge are in the picture.
    void WszystkieArkusze()
    {
        const double od = Zadanie.PolozenieObwiedni.x;
        const double do_ = Zadanie.PolozenieKombinacji[TDaneZadania::MaxKombinacji - 1].x +
                           (Zadanie.PolozenieKombinacji[1].x - Zadanie.PolozenieKombinacji[0].x);
        Widok.SrodekX = (od + do_) / 2;
        Widok.SrodekY = -14.25;
        while (Widok.ZEkranuX(0) > od || Widok.ZEkranuX(W) < do_)
            Pomniejsz(Widok);
    }
};

TStanowisko& Stanowisko()
{
    static int argc = 1;
    static char nazwa[] = "bench_drawing";
    static char* argv[] = {nazwa, nullptr};
    static QGuiApplication aplikacja(argc, argv);
    static TStanowisko s;
    return s;
}

void PrzerysujWidokPoczatkowy(benchmark::State& state)
{
    TStanowisko& s = Stanowisko();
    ZoomWszystko(s.Widok, W, H);
    for (auto _ : state) {
        s.Rysuj();
        benchmark::DoNotOptimize(s.Obraz.constBits());
    }
    if (s.Zadanie.DoPrzeliczenia || s.Wyniki.IloscPoliczonych != TDaneZadania::MaxKombinacji)
        state.SkipWithError("the task was not computed once before drawing");
}
BENCHMARK(PrzerysujWidokPoczatkowy)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void PrzerysujWszystkieArkusze(benchmark::State& state)
{
    TStanowisko& s = Stanowisko();
    s.WszystkieArkusze();
    for (auto _ : state) {
        s.Rysuj();
        benchmark::DoNotOptimize(s.Obraz.constBits());
    }
    ZoomWszystko(s.Widok, W, H);
}
BENCHMARK(PrzerysujWszystkieArkusze)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// After a change of the task: the analysis of every combination with the
// envelopes, then all sheets composed into the recording, labels laid out.
void PrzeliczISkomponuj(benchmark::State& state)
{
    TStanowisko& s = Stanowisko();
    for (auto _ : state) {
        s.Zadanie.DoPrzeliczenia = true;
        Skomponuj(s.Kompozycja, &s.Nagranie);
        benchmark::DoNotOptimize(s.Nagranie.Ilosc());
    }
    if (s.Wyniki.IloscPoliczonych != TDaneZadania::MaxKombinacji || s.Nagranie.Puste())
        state.SkipWithError("the task was not computed and composed");
}
BENCHMARK(PrzeliczISkomponuj)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    Stanowisko();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
