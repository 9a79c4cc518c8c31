#pragma once
// A file the program writes: a saved task, a PDF, a PNG. A regular file (or
// a new one) is written beside its name and renamed over it only when
// complete, so a failed write leaves the old file as it was. A device or a
// pipe (/dev/null, a terminal, a FIFO) is written into in place: renaming
// over it would replace it with a regular file.
#include <QString>

#include <memory>

class QFileDevice;
class QIODevice;

class TPlikWyjscia {
public:
    explicit TPlikWyjscia(const QString& nazwa);
    ~TPlikWyjscia();
    TPlikWyjscia(const TPlikWyjscia&) = delete;
    TPlikWyjscia& operator=(const TPlikWyjscia&) = delete;

    // False, with the reason in Powod(), when the file cannot be opened; a
    // pipe nobody reads from is refused rather than waited on.
    bool Otworz();
    // Open only after Otworz() returned true.
    QIODevice& Urzadzenie();
    // After everything was written: the new file takes the old one's place,
    // or the rest goes to the device. False when any write failed.
    bool Zatwierdz();
    // Nothing written replaces the old file (a device keeps what it got).
    void Anuluj();
    // The system's reason of the failure, empty while nothing failed.
    QString Powod() const;
    // The target is a device or a pipe, written in place.
    bool WMiejscu() const { return wMiejscu_; }

private:
    class TZapis;

    QString nazwa_;
    std::unique_ptr<QFileDevice> plik_;
    std::unique_ptr<TZapis> zapis_; // before plik_ goes, as it writes into it
    QString powod_;
    bool wMiejscu_ = false;
};
