#include "platform/controls/buttons.h"
#include "platform/layout/layoutvalues.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

namespace {

QMetaProperty glyphProperty() {
    const QMetaObject& meta = TGlyphButton::staticMetaObject;
    return meta.property(meta.indexOfProperty("Glyph"));
}

LayoutValue binary(const QByteArray& bytes) {
    LayoutValue value;
    value.Type = LayoutValue::Kind::Binary;
    value.Bytes = bytes;
    value.Source = QStringLiteral("{...}");
    return value;
}

QImage pattern() {
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {0xff102030, 0xffff0000, 0xff00ff00, 0xff0000ff, 0xffffffff, 0xff000000};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, colours[i]);
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

} // namespace

// PNG and BMP, the kinds the layouts hold, go straight to their own decoder by their signature;
// any other image file is still recognised by its content, and what no decoder reads is refused.
TEST(LayoutValues, ImageFilesDecodeToTheirExactPixels) {
    const QImage expected = pattern();
    const struct {
        const char* name;
        QByteArray bytes;
        bool decodes;
    } cases[] = {
        {"png", encoded(expected, "png"), true},
        {"bmp", encoded(expected, "bmp"), true},
        {"ppm", encoded(expected, "ppm"), true},
        {"png signature, body cut off", encoded(expected, "png").left(20), false},
        {"BM and nothing else", QByteArray("BM\x01\x02", 4), false},
        {"no image", QByteArray("not an image at all"), false},
    };
    for (const auto& c : cases) {
        QString offending;
        const std::optional<QVariant> value = toPropertyValue(glyphProperty(), binary(c.bytes), offending);
        ASSERT_EQ(value.has_value(), c.decodes) << c.name;
        if (!value) continue;
        const QImage image = value->value<QImage>().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image, expected) << c.name;
    }
}
