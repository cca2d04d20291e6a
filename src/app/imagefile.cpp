#include "app/imagefile.h"

#include "platform/system/regularfile.h"

#include <QImageWriter>

QString writeImageFile(const QImage& image, const QByteArray& fileName, const QByteArray& format) {
    return replaceFile(fileName, [&](QIODevice& file) {
        QImageWriter writer(&file, format);
        return writer.write(image) ? QString() : writer.errorString();
    });
}
