// TFont: the font attributes a component publishes (name, height, size, colour, style) as a
// persistent sub-object. Height follows the usual desktop meaning: negative is the character height
// in pixels (the em size), positive the cell height including internal leading. Size is in points
// and is derived from Height at the screen's logical resolution.
//
// Stored layouts name desktop fonts; "MS Sans Serif" and "Arial" map to Liberation Sans,
// "Courier New" to Liberation Mono and "Times New Roman" to Liberation Serif, which share their
// metrics. Other names pass through to the font matcher.
//
// The default is "MS Sans Serif" at Height -11 (8 points at 96 dpi), clWindowText, no style: the
// desktop's classic dialog font.
#pragma once

#include "platform/graphics/graphics.h"
#include "platform/graphics/tcolor.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <functional>

class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(Graphics::TFontStyles Style READ Style WRITE SetStyle)
public:
    static constexpr int kDefaultHeight = -11;

    explicit TFont(QObject* parent = nullptr);

    QString Name() const { return FName; }
    void SetName(const QString& value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    // Points, rounded; setting it sets Height to minus the pixel height at the screen resolution.
    int Size() const;
    void SetSize(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);

    // Copies all attributes; fires OnChange once if anything differed.
    void Assign(const TFont& source);
    bool SameAs(const TFont& other) const;

    // Called after a value has really changed; one handler or none.
    void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

    // The Qt font for this face, size and style (colour is not part of a QFont).
    QFont toQFont() const;

private:
    void changed();

    QString FName;
    int FHeight;
    TColor FColor;
    TFontStyles FStyle;
    std::function<void()> FOnChange;
};

// The installed face that stands in for a desktop font name.
QString substituteFontName(const QString& name);
// Logical dots per inch of the primary screen (96 when there is none).
int screenPixelsPerInch();
