// The whole recomputation of the largest task, as the window and as the
// command line's texts do it (no lines kept), the longest task as the command
// line does it, the exact extremes, and the solver on its own.
#include "NajwiekszeZadanie.h"
#include "Rekurencja.h"

#include "analysis/Analiza.h"
#include "analysis/Linie.h"
#include "analysis/Obwiednie.h"
#include "analysis/ObwiednieNormowe.h"
#include "analysis/Uklad.h"
#include "analysis/Wyniki.h"
#include "platform/Komunikaty.h"

#include <benchmark/benchmark.h>

namespace {

void Przelicz(benchmark::State& state, void (*zadanie)(TDaneZadania&), bool wykresy, bool ugiecia = true)
{
    TDaneZadania zad;
    zadanie(zad);
    TWyniki wyn;
    wyn.ZapisujWykresy = wykresy;
    wyn.LiczUgiecia = ugiecia;
    TRejestrKomunikatow kom;
    for (auto _ : state) {
        if (!PrzeliczZadanie(zad, wyn, kom))
            state.SkipWithError("analysis refused the task");
        benchmark::DoNotOptimize(wyn.EkstremaObwiedniM.data());
    }
}

void AnalizaIObwiednie(benchmark::State& state)
{
    Przelicz(state, NajwiekszeZadanie, true);
}
BENCHMARK(AnalizaIObwiednie)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void AnalizaIObwiednieBezWykresow(benchmark::State& state)
{
    Przelicz(state, NajwiekszeZadanie, false);
}
BENCHMARK(AnalizaIObwiednieBezWykresow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same without rotations and deflections: what they cost is the difference.
void AnalizaIObwiednieBezUgiec(benchmark::State& state)
{
    Przelicz(state, NajwiekszeZadanie, true, false);
}
BENCHMARK(AnalizaIObwiednieBezUgiec)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void AnalizaIObwiednieBezWykresowIUgiec(benchmark::State& state)
{
    Przelicz(state, NajwiekszeZadanie, false, false);
}
BENCHMARK(AnalizaIObwiednieBezWykresowIUgiec)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// 12 spans of 1000 m: a sample every centimetre is 100 000 per line.
void NajdluzszeBezWykresow(benchmark::State& state)
{
    Przelicz(state, NajdluzszeZadanie, false);
}
BENCHMARK(NajdluzszeBezWykresow)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// The largest task with every group variable (category A, patterned span by span).
void WszystkieZmienne(TDaneZadania& zad)
{
    NajwiekszeZadanie(zad);
    for (TKlasyfikacjaGrupy& k : zad.Klasyfikacje)
        k = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::A, true};
}

// The design envelopes alone, from the unit states of a recomputation: ULS,
// SLS with deflections, lines kept (the window) or not (the command line).
void ObwiednieNormowe(benchmark::State& state, bool wykresy)
{
    TDaneZadania zad;
    WszystkieZmienne(zad);
    TWyniki wyn;
    wyn.ZapisujWykresy = wykresy;
    TRejestrKomunikatow kom;
    if (!PrzeliczZadanie(zad, wyn, kom))
        state.SkipWithError("analysis refused the task");
    TObwiednieNormowe o;
    for (auto _ : state) {
        LiczObwiednieNormowe(zad, wyn, o);
        benchmark::DoNotOptimize(o.Stany.data());
    }
}
BENCHMARK_CAPTURE(ObwiednieNormowe, zWykresami, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ObwiednieNormowe, bezWykresow, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The whole recomputation with them, beside AnalizaIObwiednie.
void AnalizaIObwiednieNormowe(benchmark::State& state)
{
    Przelicz(state, WszystkieZmienne, true);
}
BENCHMARK(AnalizaIObwiednieNormowe)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The exact extremes of M and T in every combination and span, after the recomputation.
void EkstremaDokladne(benchmark::State& state)
{
    TDaneZadania zad;
    NajwiekszeZadanie(zad);
    TWyniki wyn;
    TRejestrKomunikatow kom;
    if (!PrzeliczZadanie(zad, wyn, kom))
        state.SkipWithError("analysis refused the task");
    for (auto _ : state)
        for (int32_t c = 0; c < zad.IloscKombinacji; ++c)
            for (int32_t s = 0; s < zad.IloscPrzesel; ++s) {
                benchmark::DoNotOptimize(EkstremaDokladneM(zad, wyn, c, s));
                benchmark::DoNotOptimize(EkstremaDokladneT(zad, wyn, c, s));
            }
}
BENCHMARK(EkstremaDokladne)->Unit(benchmark::kMicrosecond);

void SamaAnaliza(benchmark::State& state)
{
    TDaneZadania zad;
    NajwiekszeZadanie(zad);
    TWyniki wyn;
    TRejestrKomunikatow kom;
    for (auto _ : state)
        benchmark::DoNotOptimize(Analiza(zad, wyn, kom));
}
BENCHMARK(SamaAnaliza)->Unit(benchmark::kMillisecond);

// The stiffness matrix of a beam of n + 1 spans.
MacierzKwad MacierzBelki(int32_t n)
{
    TDaneZadania zad;
    NajwiekszeZadanie(zad);
    zad.Przesla.resize(size_t(n) + 1);
    zad.IloscPrzesel = n + 1;
    UstawKodyPrzesel(zad);
    TWyniki wyn;
    DopasujDoIlosciPrzesel(zad, wyn);
    BudujUklad(zad, wyn, 0);
    return wyn.MacierzK;
}

void RozwiazUkladPamiec(benchmark::State& state)
{
    const int32_t n = int32_t(state.range(0));
    const MacierzKwad K = MacierzBelki(n);
    TWyniki wyn;
    UstawRozmiarUkladu(wyn, n);
    TRejestrKomunikatow kom;
    for (auto _ : state) {
        wyn.MacierzK = K;
        wyn.WektorQ.assign(size_t(n), 1.0);
        RozwiazUklad(wyn, n, kom);
        benchmark::DoNotOptimize(wyn.WektorX.data());
    }
}
BENCHMARK(RozwiazUkladPamiec)->Arg(9)->Arg(10)->Arg(11)->Unit(benchmark::kMicrosecond);

// The same solve by the plain recursion that builds fresh minors at every level.
void RozwiazUkladRekurencja(benchmark::State& state)
{
    const int32_t n = int32_t(state.range(0));
    const MacierzKwad K = MacierzBelki(n);
    for (auto _ : state) {
        const MacierzKwad inv = OdwrotnaRekurencyjna(K, n);
        MacierzWektor x(size_t(n), 0.0);
        for (int32_t c = 0; c < n; ++c)
            for (int32_t r = 0; r < n; ++r)
                x[r] += inv[r][c] * 1.0;
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(RozwiazUkladRekurencja)->Arg(9)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
