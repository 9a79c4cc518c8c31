#include "mainwindow/Akcje.h"

#include "platform/TekstQt.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

QToolBar* NowyPasek(QWidget& rodzic, const char* nazwa)
{
    auto* p = new QToolBar(&rodzic);
    p->setObjectName(ZUtf8(nazwa));
    p->setWindowTitle(ZUtf8(nazwa));
    p->setMovable(false);
    p->setFloatable(false);
    p->setIconSize(QSize(24, 24));
    return p;
}

QAction* DodajAkcje(QWidget& okno, const TAkcja& a, QMenu& menu)
{
    auto* akcja = new QAction(QIcon(QStringLiteral(":/ikony/") + ZUtf8(a.Ikona) + QStringLiteral(".svg")),
                              ZUtf8(a.Podpowiedz), &okno);
    akcja->setObjectName(ZUtf8(a.Nazwa));
    akcja->setStatusTip(ZUtf8(a.Podpowiedz));
    QString wskazowka = ZUtf8(a.Podpowiedz);
    if (!a.Skroty.isEmpty()) {
        akcja->setShortcuts(a.Skroty);
        wskazowka += QStringLiteral(" (") + a.Skroty.front().toString(QKeySequence::NativeText) + QStringLiteral(")");
    }
    akcja->setToolTip(wskazowka);
    QObject::connect(akcja, &QAction::triggered, &okno, a.Polecenie);
    a.Pasek->addAction(akcja);
    a.Pasek->widgetForAction(akcja)->setObjectName(ZUtf8(a.Nazwa));
    if (a.Menu.Nazwa) {
        if (a.Menu.Oddzielona)
            menu.addSeparator();
        QAction* pozycja = menu.addAction(ZUtf8(a.Menu.Tekst));
        pozycja->setObjectName(ZUtf8(a.Menu.Nazwa));
        QObject::connect(pozycja, &QAction::triggered, &okno, a.Polecenie);
    }
    return akcja;
}
