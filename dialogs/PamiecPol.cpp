#include "dialogs/PamiecPol.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>

namespace {

// Qt's own parts (a combo box's edit, a spin box's edit) carry names of theirs or none.
bool Nazwane(const QObject* o)
{
    const QString n = o->objectName();
    return !n.isEmpty() && !n.startsWith(QLatin1String("qt_"));
}

} // namespace

QVariantMap WartosciPol(const QWidget& dialog)
{
    QVariantMap w;
    for (const QLineEdit* e : dialog.findChildren<QLineEdit*>())
        if (Nazwane(e) && !qobject_cast<const QComboBox*>(e->parent()))
            w.insert(e->objectName(), e->text());
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        if (Nazwane(b) && b->isCheckable())
            w.insert(b->objectName(), b->isChecked());
    for (const QComboBox* c : dialog.findChildren<QComboBox*>())
        if (Nazwane(c))
            w.insert(c->objectName(), c->currentText());
    for (const QAbstractSlider* s : dialog.findChildren<QAbstractSlider*>())
        if (Nazwane(s))
            w.insert(s->objectName(), s->value());
    return w;
}

void WpiszPola(QWidget& dialog, const QVariantMap& wartosci)
{
    const auto wartosc = [&](const QObject* o) { return wartosci.value(o->objectName()); };
    for (QLineEdit* e : dialog.findChildren<QLineEdit*>())
        if (Nazwane(e) && !qobject_cast<const QComboBox*>(e->parent()) && wartosc(e).isValid())
            e->setText(wartosc(e).toString());
    // A radio button is only ever set on: its group then clears the others.
    for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        if (Nazwane(b) && b->isCheckable() && wartosc(b).isValid() && (wartosc(b).toBool() || !b->autoExclusive()))
            b->setChecked(wartosc(b).toBool());
    for (QComboBox* c : dialog.findChildren<QComboBox*>())
        if (Nazwane(c) && wartosc(c).isValid()) {
            const int i = c->findText(wartosc(c).toString());
            if (i >= 0)
                c->setCurrentIndex(i);
            else if (c->isEditable())
                c->setEditText(wartosc(c).toString());
        }
    for (QAbstractSlider* s : dialog.findChildren<QAbstractSlider*>())
        if (Nazwane(s) && wartosc(s).isValid())
            s->setValue(wartosc(s).toInt());
}

void ZapamietajPola(const QWidget& dialog, QSettings& ustawienia)
{
    ustawienia.beginGroup(dialog.objectName());
    ustawienia.remove(QString());
    const QVariantMap w = WartosciPol(dialog);
    for (auto i = w.cbegin(); i != w.cend(); ++i)
        ustawienia.setValue(i.key(), i.value());
    ustawienia.endGroup();
}

void PrzywrocPola(QWidget& dialog, QSettings& ustawienia)
{
    ustawienia.beginGroup(dialog.objectName());
    QVariantMap w;
    for (const QString& klucz : ustawienia.childKeys())
        w.insert(klucz, ustawienia.value(klucz));
    ustawienia.endGroup();
    // A value read back from the file is text: a check box's "true" must become a bool.
    const QVariantMap teraz = WartosciPol(dialog);
    for (auto i = w.begin(); i != w.end(); ++i)
        if (teraz.contains(i.key()) && i.value().canConvert(teraz.value(i.key()).metaType()))
            i.value().convert(teraz.value(i.key()).metaType());
    WpiszPola(dialog, w);
}
