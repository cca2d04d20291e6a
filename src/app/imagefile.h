// Writing a picture to a file named by the system's bytes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes image in format to the file fileName. The name is used byte for byte, so a name that is
// not valid text in the user's encoding still names the file given. The picture is encoded
// straight into a new file that then replaces the old one as a whole (see replaceFile): a failure
// leaves whatever was at the path as it was, and anything there but a regular file the user may
// write, with no other hard link, is refused. Returns an empty text on success, else why it
// failed.
QString writeImageFile(const QImage& image, const QByteArray& fileName, const QByteArray& format);
