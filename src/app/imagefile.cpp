#include "app/imagefile.h"

#include "platform/system/regularfile.h"

#include <QBuffer>
#include <QImageWriter>

QString writeImageFile(const QImage& image, const QByteArray& fileName, const QByteArray& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return writer.errorString();
    return writeFileAtomically(fileName, bytes);
}
