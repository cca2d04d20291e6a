// The program's small files, read and written without being led astray by what lies at their
// path: a symbolic link put in their place, a FIFO that would block, a device that never ends, a
// file far larger than any the program writes, or a write that fails halfway. On Windows the same
// rules hold as far as the file system has the things they guard against: there is no FIFO or
// device there, a file with other hard links is not refused, and a replaced file keeps the
// permissions of its folder.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

enum class SymbolicLinks { Refuse, Follow };

// The content of the regular file at path (the name's bytes), read without blocking. None when
// nothing can be opened there, when it is not a regular file (a FIFO, a device, a directory, or
// with Refuse a symbolic link), or when it holds more than maxSize bytes; failure (if given) then
// says why: the system's error text, "not a regular file" or "larger than N bytes".
std::optional<QByteArray> readRegularFile(const QByteArray& path, qint64 maxSize,
                                          SymbolicLinks links = SymbolicLinks::Refuse,
                                          QString* failure = nullptr);

// Replaces the file at path by what fill writes into a new file beside it (fill returns an empty
// text, else why it failed). The new file is flushed to the disk and renamed over path, so that path
// holds either its old content or the new one, whole. A file that is replaced keeps its owner and
// permissions; a new one gets the usual ones (0666 less the umask). Only a file the user could
// write in place is replaced (as the shell's redirection would), and only a regular file with no
// other hard link: a symbolic link, a device, anything else, or a file with other names is refused
// and left alone. Returns an empty text on success, else why it failed; the new file is removed
// then.
QString replaceFile(const QByteArray& path, const std::function<QString(QIODevice&)>& fill);

// replaceFile() with these bytes.
QString writeFileAtomically(const QByteArray& path, const QByteArray& bytes);

// The failure text of a file that holds more than maxSize bytes.
QString fileTooLargeText(qint64 maxSize);
