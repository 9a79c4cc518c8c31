#include "platform/PlikWyjscia.h"

#include <QFile>
#include <QSaveFile>

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
        const bool otwarty = plik->open(QIODevice::WriteOnly);
        plik_ = std::move(plik);
        if (!otwarty)
            powod_ = plik_->errorString();
        return otwarty;
    }
    // Without a reader a FIFO would block the open for ever: non-blocking, it says ENXIO instead.
    const int fd = ::open(sciezka.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int blad = errno;
        struct stat s {};
        const bool potok = ::stat(sciezka.constData(), &s) == 0 && S_ISFIFO(s.st_mode);
        powod_ = blad == ENXIO && potok ? QStringLiteral("nikt nie czyta z tego potoku (%1)").arg(qt_error_string(blad))
                                        : qt_error_string(blad);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto plik = std::make_unique<QFile>();
    if (!plik->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        powod_ = plik->errorString();
        ::close(fd);
        return false;
    }
    plik_ = std::move(plik);
    return true;
}

QIODevice& TPlikWyjscia::Urzadzenie()
{
    return *plik_;
}

bool TPlikWyjscia::Zatwierdz()
{
    if (!plik_)
        return false;
    bool udane;
    if (!wMiejscu_) {
        udane = static_cast<QSaveFile&>(*plik_).commit();
    } else {
        udane = plik_->error() == QFileDevice::NoError && plik_->flush();
        plik_->close();
    }
    if (!udane && powod_.isEmpty())
        powod_ = plik_->errorString();
    return udane;
}

void TPlikWyjscia::Anuluj()
{
    if (!plik_)
        return;
    if (powod_.isEmpty() && plik_->error() != QFileDevice::NoError)
        powod_ = plik_->errorString();
    if (!wMiejscu_)
        static_cast<QSaveFile&>(*plik_).cancelWriting();
    else
        plik_->close();
}

QString TPlikWyjscia::Powod() const
{
    if (!powod_.isEmpty())
        return powod_;
    return plik_ && plik_->error() != QFileDevice::NoError ? plik_->errorString() : QString();
}
