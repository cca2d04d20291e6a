// Writing a picture to a file named by the system's bytes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes image in format to the file fileName. The name is used byte for byte, so a name that is
// not valid text in the user's encoding still names the file given. Returns an empty text on
// success, else why it failed; a file that could not be written completely is removed.
QString writeImageFile(const QImage& image, const QByteArray& fileName, const QByteArray& format);
