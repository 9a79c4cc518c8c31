// One pan step of the window on the largest task at 1920 × 1080: a mouse
// move delivered to the paint box with the pan tool dragging, through the
// replay of the composition, until the picture is on the paint box.
#include "NajwiekszeZadanie.h"

#include "mainwindow/Podglad.h"
#include "mainwindow/Quarvi.h"
#include "platform/Komunikaty.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QMouseEvent>
#include <QWindow>

#include <cstdlib>
#include <memory>

namespace {

struct TStanowisko {
    std::unique_ptr<TProgram> Program = std::make_unique<TProgram>();
    TRejestrKomunikatow Komunikaty;
    TOtoczenie Otoczenie{Komunikaty, [](const TDialogPliku&) { return std::optional<std::string>(); },
                         [] { return std::unique_ptr<IWydruk>(); },
                         [] { return std::optional<TInformacjaDrukarki>(); }};
    std::unique_ptr<TQuarvi> Quarvi;

    TStanowisko()
    {
        Program->FolderProgramu = QUARVI_OUT;
        Quarvi = std::make_unique<TQuarvi>(*Program, Otoczenie);
        Quarvi->show();
        // The paint box itself 1920 × 1080.
        const QSize reszta = Quarvi->size() - Quarvi->Podglad().size();
        Quarvi->resize(QSize(1920, 1080) + reszta);
        NajwiekszeZadanie(Program->Zadanie);
        Program->Zadanie.DoPrzeliczenia = true;
        // Laid out as after opening it, zoomed all, then the one recomputation and composition.
        UstawRozmiarArkusza(Program->Widok, std::nullopt, Program->Zadanie.Nastawy, 100, 100);
        RozmiescArkusze(Program->Zadanie, Program->Widok);
        Quarvi->Sterowanie().ZoomWszystko();
        Quarvi->Polecenia().Przerysuj();
        // The window paints only once it is exposed, which it is told by an event.
        QApplication::processEvents();
    }

    void Mysz(QEvent::Type rodzaj, Qt::MouseButton przycisk, QPointF p)
    {
        QMouseEvent e(rodzaj, p, Quarvi->Podglad().mapToGlobal(p), przycisk,
                      rodzaj == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::MiddleButton), {});
        QApplication::sendEvent(&Quarvi->Podglad(), &e);
    }
};

void KrokPrzesuwania(benchmark::State& state)
{
    TStanowisko s;
    if (s.Quarvi->Podglad().size() != QSize(1920, 1080) || !s.Quarvi->windowHandle()->isExposed())
        state.SkipWithError("the paint box is not 1920 x 1080 on an exposed window");
    s.Mysz(QEvent::MouseButtonPress, Qt::MiddleButton, QPointF(960, 540));
    int krok = 0;
    for (auto _ : state) {
        // Back and forth over the first sheet.
        const double dx = (krok++ % 40) * 5.0;
        s.Mysz(QEvent::MouseMove, Qt::NoButton, QPointF(960 - dx, 540 - dx / 2));
        s.Quarvi->Podglad().repaint();
    }
    s.Mysz(QEvent::MouseButtonRelease, Qt::MiddleButton, QPointF(960, 540));
    if (s.Program->Wyniki.IloscPoliczonych != TDaneZadania::MaxKombinacji)
        state.SkipWithError("the task was not computed before the pan");
}
BENCHMARK(KrokPrzesuwania)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication aplikacja(argc, argv);
    // The window reads the user's remembered settings: the benchmark starts from none.
    const QString ustawienia = QDir::tempPath() + QStringLiteral("/quarvi_bench_ustawienia_") +
                               QString::number(QCoreApplication::applicationPid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ustawienia);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir(ustawienia).removeRecursively();
    return 0;
}
