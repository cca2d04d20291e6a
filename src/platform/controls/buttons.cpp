#include "platform/controls/buttons.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

QPixmap glyphPart(const QImage& glyph, int index, int numGlyphs) {
    const int w = glyph.width() / numGlyphs;
    QImage part = glyph.copy(index * w, 0, w, glyph.height()).convertToFormat(QImage::Format_ARGB32);
    if (!glyph.hasAlphaChannel() && !part.isNull()) {
        const QRgb transparent = glyph.pixel(0, glyph.height() - 1);
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                if (part.pixel(x, y) == transparent) part.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    return QPixmap::fromImage(part);
}

} // namespace

QIcon glyphIcon(const QImage& glyph, int numGlyphs) {
    QIcon icon;
    if (glyph.isNull() || glyph.width() < numGlyphs) return icon;
    icon.addPixmap(glyphPart(glyph, 0, numGlyphs), QIcon::Normal);
    if (numGlyphs >= 2) icon.addPixmap(glyphPart(glyph, 1, numGlyphs), QIcon::Disabled);
    return icon;
}

TGlyphButton::TGlyphButton(TComponentBase* owner, QWidget* parent, QAbstractButton* button)
    : TControl(owner, parent), FButton(button) {
    FButton->setParent(this);
    setInnerWidget(FButton);
    PublishEvent(QStringLiteral("OnClick"), &FOnClick);
    connect(FButton, &QAbstractButton::clicked, this, [this] {
        if (FOnClick) FOnClick(this);
    });
}

QString TGlyphButton::Caption() const {
    return FButton->text();
}

void TGlyphButton::SetCaption(const QString& value) {
    FButton->setText(value);
}

void TGlyphButton::SetGlyph(const QImage& value) {
    FGlyph = value;
    glyphChanged();
}

void TGlyphButton::SetNumGlyphs(int value) {
    if (value < 1 || value > 4) return;
    FNumGlyphs = value;
    glyphChanged();
}

void TGlyphButton::Click() {
    FButton->click();
}

void TGlyphButton::glyphChanged() {
    FButton->setIcon(glyphIcon(FGlyph, FNumGlyphs));
    if (!FGlyph.isNull()) FButton->setIconSize(QSize(FGlyph.width() / FNumGlyphs, FGlyph.height()));
}

TSpeedButton::TSpeedButton(TComponentBase* owner, QWidget* parent)
    : TSpeedButton(owner, parent, new QToolButton) {}

TSpeedButton::TSpeedButton(TComponentBase* owner, QWidget* parent, QToolButton* tool)
    : TGlyphButton(owner, parent, tool), FTool(tool) {
    FTool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

bool TSpeedButton::Flat() const {
    return FTool->autoRaise();
}

void TSpeedButton::SetFlat(bool value) {
    FTool->setAutoRaise(value);
}

TBitBtn::TBitBtn(TComponentBase* owner, QWidget* parent) : TGlyphButton(owner, parent, new QPushButton) {}
