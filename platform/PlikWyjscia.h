#pragma once
// A file the program writes: a saved task, a PDF, a PNG. A regular file (or
// a new one) is written beside its name and renamed over it only when
// complete, so a failed write leaves the old file as it was. A device or a
// pipe (/dev/null, a terminal, a FIFO) is written into in place: renaming
// over it would replace it with a regular file.
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

// What writes a file: everything into the device, then nothing, or the
// writer's reason when it could not.
using TPisanie = std::function<std::optional<QString>(QIODevice& urzadzenie)>;

// The file `nazwa` written by `pisz`: every saved task, PDF and PNG goes
// this way. False when anything failed, with the
// reason in `powod`: the file's own when a write failed (a full disk), the
// writer's otherwise; the old file is then left as it was.
bool ZapiszDoPliku(const QString& nazwa, const TPisanie& pisz, QString& powod);
