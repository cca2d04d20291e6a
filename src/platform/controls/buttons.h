// Buttons with a caption and a glyph bitmap: TSpeedButton (a tool button, flat if wished) and
// TBitBtn (a push button).
//
// The glyph holds NumGlyphs images of equal width side by side: up, disabled, pressed, down. The
// button shows the first, and the second while disabled. Unless the image has an alpha channel,
// its bottom-left pixel's colour is transparent. In a layout the glyph is the image file's bytes:
// Glyph = { 424D... } (see layoutvalues.h).
#pragma once

#include "platform/controls/control.h"

#include <QImage>

class QAbstractButton;
class QIcon;
class QToolButton;

class TGlyphButton : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
public:
    QString Caption() const;
    void SetCaption(const QString& value);
    QImage Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& value);
    int NumGlyphs() const { return FNumGlyphs; }
    // 1 to 4; other values are ignored.
    void SetNumGlyphs(int value);

    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }
    // Presses the button as the user would.
    void Click();

protected:
    TGlyphButton(TComponentBase* owner, QWidget* parent, QAbstractButton* button);

private:
    void glyphChanged();

    QAbstractButton* FButton;
    QImage FGlyph;
    int FNumGlyphs = 1;
    TNotifyEvent FOnClick;
};

class TSpeedButton : public TGlyphButton {
    Q_OBJECT
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
public:
    explicit TSpeedButton(TComponentBase* owner, QWidget* parent = nullptr);

    bool Flat() const;
    void SetFlat(bool value);

private:
    TSpeedButton(TComponentBase* owner, QWidget* parent, QToolButton* tool);

    QToolButton* FTool;
};

class TBitBtn : public TGlyphButton {
    Q_OBJECT
public:
    explicit TBitBtn(TComponentBase* owner, QWidget* parent = nullptr);
};

// The images of a glyph strip: up (and disabled, when there are two or more) with the
// transparent colour applied.
QIcon glyphIcon(const QImage& glyph, int numGlyphs);
