#pragma once
// StatusBar1: the mouse position read-out (Panel0), the program's
// identification line (Panel1) and the unsaved mark (Panel2).
#include <QStatusBar>

#include <string>

class QLabel;

class TPasekStanu : public QStatusBar {
    Q_OBJECT
public:
    explicit TPasekStanu(QWidget* rodzic);

    void UstawOdczyt(const std::string& tekst);
    void UstawNieZapisane(bool nieZapisane);

private:
    QLabel* Panele_[3] = {};
};
