// Writing a picture to a file named by the system's bytes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes image in format to the file fileName. The name is used byte for byte, so a name that is
// not valid text in the user's encoding still names the file given. The file is replaced as a
// whole (see writeFileAtomically): a failure leaves whatever was at the path as it was, and
// anything there but a regular file is refused. Returns an empty text on success, else why it
// failed.
QString writeImageFile(const QImage& image, const QByteArray& fileName, const QByteArray& format);
