#include "platform/PlikWyjscia.h"

#include <QFile>
#include <QSaveFile>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Something that exists and is neither a regular file nor a folder, followed through links.
bool UrzadzenieLubPotok(const QByteArray& sciezka)
{
    struct stat s {};
    return ::stat(sciezka.constData(), &s) == 0 && !S_ISREG(s.st_mode) && !S_ISDIR(s.st_mode);
}

} // namespace

// One file being written, opened as its kind needs.
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

private:
    class TZapis;

    QString nazwa_;
    std::unique_ptr<QFileDevice> plik_;
    std::unique_ptr<TZapis> zapis_; // before plik_ goes, as it writes into it
    QString powod_;
    bool wMiejscu_ = false;
};

// What the writers write to: blocks of 64 kB, each written whole. A block the
// file takes only in part is written again from where it stopped, so that a
// failure comes with the system's reason (a write cut short by a full disk
// reports none), and every failure is seen before the file is committed.
class TPlikWyjscia::TZapis final : public QIODevice {
public:
    explicit TZapis(QFileDevice& plik) : plik_(plik) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    bool Oproznij()
    {
        const char* dane = bufor_.constData();
        qint64 reszta = bufor_.size();
        while (reszta > 0 && powod_.isEmpty()) {
            const qint64 n = plik_.write(dane, reszta);
            if (n <= 0)
                powod_ = plik_.errorString();
            else
                dane += n, reszta -= n;
        }
        bufor_.clear();
        return powod_.isEmpty();
    }
    const QString& Powod() const { return powod_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dane, qint64 ile) override
    {
        if (!powod_.isEmpty())
            return -1;
        bufor_.append(dane, ile);
        if (bufor_.size() >= 65536 && !Oproznij())
            return -1;
        return ile;
    }

private:
    QFileDevice& plik_;
    QByteArray bufor_;
    QString powod_;
};

TPlikWyjscia::TPlikWyjscia(const QString& nazwa) : nazwa_(nazwa) {}

TPlikWyjscia::~TPlikWyjscia() = default;

bool TPlikWyjscia::Otworz()
{
    const QByteArray sciezka = QFile::encodeName(nazwa_);
    wMiejscu_ = UrzadzenieLubPotok(sciezka);
    if (!wMiejscu_) {
        auto plik = std::make_unique<QSaveFile>(nazwa_);
        // No fallback to writing in place, which could leave half a file behind.
        plik->setDirectWriteFallback(false);
        if (!plik->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            powod_ = plik->errorString();
            return false;
        }
        plik_ = std::move(plik);
    } else {
        // Without a reader a FIFO would block the open for ever: non-blocking, it says ENXIO instead.
        const int fd = ::open(sciezka.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            const int blad = errno;
            struct stat s {};
            const bool potok = ::stat(sciezka.constData(), &s) == 0 && S_ISFIFO(s.st_mode);
            powod_ = blad == ENXIO && potok
                         ? QStringLiteral("nikt nie czyta z tego potoku (%1)").arg(qt_error_string(blad))
                         : qt_error_string(blad);
            return false;
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        auto plik = std::make_unique<QFile>();
        if (!plik->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            powod_ = plik->errorString();
            ::close(fd);
            return false;
        }
        plik_ = std::move(plik);
    }
    zapis_ = std::make_unique<TZapis>(*plik_);
    return true;
}

QIODevice& TPlikWyjscia::Urzadzenie()
{
    return *zapis_;
}

bool TPlikWyjscia::Zatwierdz()
{
    if (!plik_)
        return false;
    if (!zapis_->Oproznij()) {
        Anuluj();
        return false;
    }
    const bool udane = wMiejscu_ ? plik_->flush() : static_cast<QSaveFile&>(*plik_).commit();
    if (!udane && powod_.isEmpty())
        powod_ = plik_->errorString();
    if (wMiejscu_)
        plik_->close();
    return udane;
}

void TPlikWyjscia::Anuluj()
{
    if (!plik_)
        return;
    if (powod_.isEmpty())
        powod_ = zapis_->Powod();
    if (wMiejscu_)
        plik_->close();
    else
        static_cast<QSaveFile&>(*plik_).cancelWriting();
}

QString TPlikWyjscia::Powod() const
{
    if (!powod_.isEmpty() || !zapis_)
        return powod_;
    return zapis_->Powod();
}

bool ZapiszDoPliku(const QString& nazwa, const TPisanie& pisz, QString& powod)
{
    TPlikWyjscia plik(nazwa);
    if (!plik.Otworz()) {
        powod = plik.Powod();
        return false;
    }
    if (const std::optional<QString> blad = pisz(plik.Urzadzenie())) {
        plik.Anuluj();
        powod = plik.Powod().isEmpty() ? *blad : plik.Powod();
        return false;
    }
    if (!plik.Zatwierdz()) {
        powod = plik.Powod();
        return false;
    }
    powod.clear();
    return true;
}
