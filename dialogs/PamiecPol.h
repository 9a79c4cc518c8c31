#pragma once
// The fields of a dialog as values by object name, found by walking its
// children: every named edit, check box, radio button, combo box and scroll
// bar. A field added to the dialog later is kept with no change here.
#include <QVariantMap>

class QSettings;
class QWidget;

QVariantMap WartosciPol(const QWidget& dialog);
// Fields the map does not name keep their state.
void WpiszPola(QWidget& dialog, const QVariantMap& wartosci);

// Under the group named as the dialog.
void ZapamietajPola(const QWidget& dialog, QSettings& ustawienia);
void PrzywrocPola(QWidget& dialog, QSettings& ustawienia);
