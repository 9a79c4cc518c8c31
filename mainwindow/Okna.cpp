#include "mainwindow/Okna.h"

#include "mainwindow/Quarvi.h"
#include "mainwindow/SystemQt.h"
#include "platform/Ekran.h"
#include "platform/FolderDanych.h"
#include "platform/RegionalneQt.h"
#include "platform/WtyczkiQt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <iostream>

TOkna::TOkna(TProgram& program, TOtoczenie& otoczenie) : Quarvi(std::make_unique<TQuarvi>(program, otoczenie)) {}

TOkna::~TOkna() = default;

int UruchomOkno(int& argc, char** argv, const std::string& plik)
{
    // A platform that cannot start would make Qt abort: another one that can, or the program's own message.
    TPlatformaOkna wybor = PlatformaOkna(WtyczkiPlatform());
    const std::string& platforma = wybor.Platforma;
    if (platforma.empty()) {
        std::cerr << KomunikatBrakEkranu << '\n';
        return 1;
    }
    const QByteArray zadana = qgetenv("QT_QPA_PLATFORM");
    if (!zadana.isEmpty() && !zadana.startsWith(QByteArray::fromStdString(platforma)))
        std::cerr << "Platforma „" << zadana.toStdString()
                  << "” (QT_QPA_PLATFORM) nie może wystartować; okno otwiera się na „" << platforma << "”.\n";
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platforma));
    QApplication aplikacja(argc, argv);
    wybor.Proba = TProbaEkranu(); // Qt is connected
    QApplication::setApplicationName(QStringLiteral("QUARVI"));
    // Qt's own dialogs (files, printing) in the program's language.
    QTranslator tlumaczenie;
    if (tlumaczenie.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumaczenie);
    // The task, its results and the pictures are large: on the heap, released when the run ends.
    auto program = std::make_unique<TProgram>();
    program->Regionalne = RegionalneSystemu();
    program->FolderProgramu = FolderDanych(QCoreApplication::applicationDirPath().toStdString());
    TKomunikatyQt komunikaty;
    TOtoczenie otoczenie = OtoczenieQt(komunikaty);
    TOkna okna(*program, otoczenie);
    okna.Quarvi->show();
    if (!plik.empty())
        okna.Quarvi->Polecenia().Otworz(plik);
    return aplikacja.exec();
}
