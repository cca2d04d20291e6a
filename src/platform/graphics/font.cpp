#include "platform/graphics/font.h"

#include "platform/graphics/assignchanged.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

using enum Graphics::TFontStyle;

namespace {

// a * b / c rounded half away from zero, as desktop point/pixel conversions do.
int mulDiv(int a, int b, int c) {
    const long long n = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(n >= 0 ? (n + half) / c : (n - half) / c);
}

// Pixel (em) size for a positive cell height: scale from the face's own ascent + descent.
int emForCellHeight(QFont font, int cellHeight) {
    constexpr int kProbe = 100;
    font.setPixelSize(kProbe);
    const qreal cell = QFontMetricsF(font).ascent() + QFontMetricsF(font).descent();
    if (cell <= 0) return cellHeight;
    return std::max(1, static_cast<int>(std::lround(cellHeight * kProbe / cell)));
}

} // namespace

QString substituteFontName(const QString& name) {
    static const struct {
        const char* Desktop;
        const char* Installed;
    } table[] = {{"MS Sans Serif", "Liberation Sans"},
                 {"Arial", "Liberation Sans"},
                 {"Courier New", "Liberation Mono"},
                 {"Times New Roman", "Liberation Serif"}};
    for (const auto& entry : table)
        if (name.compare(QLatin1String(entry.Desktop), Qt::CaseInsensitive) == 0)
            return QLatin1String(entry.Installed);
    return name;
}

int screenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 96;
    const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    return dpi > 0 ? dpi : 96;
}

TFont::TFont(QObject* parent)
    : QObject(parent), FName(QStringLiteral("MS Sans Serif")), FHeight(kDefaultHeight), FColor(clWindowText) {
}

void TFont::SetName(const QString& value) {
    if (assignChanged(FName, value)) changed();
}

void TFont::SetHeight(int value) {
    if (assignChanged(FHeight, value)) changed();
}

int TFont::Size() const {
    return -mulDiv(FHeight, 72, screenPixelsPerInch());
}

void TFont::SetSize(int value) {
    SetHeight(-mulDiv(value, screenPixelsPerInch(), 72));
}

void TFont::SetColor(TColor value) {
    if (assignChanged(FColor, value)) changed();
}

void TFont::SetStyle(TFontStyles value) {
    if (assignChanged(FStyle, value)) changed();
}

bool TFont::SameAs(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor &&
           FStyle == other.FStyle;
}

void TFont::Assign(const TFont& source) {
    if (&source == this || SameAs(source)) return;
    FName = source.FName;
    FHeight = source.FHeight;
    FColor = source.FColor;
    FStyle = source.FStyle;
    changed();
}

QFont TFont::toQFont() const {
    QFont font(substituteFontName(FName));
    font.setBold(FStyle.testFlag(fsBold));
    font.setItalic(FStyle.testFlag(fsItalic));
    font.setUnderline(FStyle.testFlag(fsUnderline));
    font.setStrikeOut(FStyle.testFlag(fsStrikeOut));
    if (FHeight < 0)
        font.setPixelSize(-FHeight);
    else if (FHeight > 0)
        font.setPixelSize(emForCellHeight(font, FHeight));
    else
        font.setPixelSize(-kDefaultHeight);
    return font;
}

void TFont::changed() {
    if (FOnChange) FOnChange();
}
