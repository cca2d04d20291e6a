#pragma once

#include "platform/controls/component.h"
#include "platform/controls/controlalign.h"
#include "platform/graphics/font.h"
#include "platform/graphics/tcolor.h"

#include <QString>
#include <QWidget>

#include <vector>

// A visual component. Besides its bounds it publishes where it docks (Align), which parent edges it
// keeps its distance to (Anchors), its size limits (Constraints), its colour and font (the font
// follows the parent's while ParentFont is on) and its hint. Position and size given in a stored
// layout are scaled by the form (see ScaledProperties).
class TControl : public QWidget, public TComponentBase {
    Q_OBJECT
    Q_CLASSINFO("ScaledProperties", "Left,Top,Width,Height")
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(Controls::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Controls::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(TSizeConstraints* Constraints READ Constraints)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TControl(TComponentBase* owner, QWidget* parent = nullptr);

    QObject* AsObject() override { return this; }

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    bool Visible() const { return FVisible; }
    void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
    void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
    void SetVisible(bool value);
    // Every change of position or size passes here: the size is held within Constraints, and the
    // bounds become the ones that anchoring starts from.
    virtual void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    TSizeConstraints* Constraints() const { return FConstraints; }

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFont* Font() const { return FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    QString Hint() const { return FHint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int value) { FTabOrder = value; }

    // Lays out the child controls: docks the aligned ones, moves the anchored ones. Does nothing
    // while this control is loading; Loaded does it once the layout is complete.
    void AlignControls();
    void Loaded() override;

protected:
    // A native widget that fills the control and takes its focus (the check box of a TCheckBox).
    void setInnerWidget(QWidget* inner);
    // The part of the control that aligned children share; panels leave their bevels out.
    virtual QRect AlignRect() const { return rect(); }
    // Called after the font (own or inherited) has changed; the base applies it to the widget.
    virtual void FontChanged();
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<TControl*> childControls() const;
    TControl* parentControl() const;
    void setAlignedBounds(const QRect& r);
    void rememberAnchorDesign();
    void requestParentRealign();
    void constraintsChanged();
    void ownFontChanged();
    void inheritParentFont();
    void applyTabOrder();

    // The stored flag, independent of whether the parent is shown yet.
    bool FVisible = true;
    TAlign FAlign = TAlign::alNone;
    TAnchors FAnchors = TAnchors(TAnchorKind::akLeft) | TAnchorKind::akTop;
    TSizeConstraints* FConstraints;
    TColor FColor = clBtnFace;
    TFont* FFont;
    bool FParentFont = true;
    bool FInheritingFont = false;
    QString FHint;
    bool FShowHint = false;
    int FTabOrder = -1;
    // Bounds last set from outside the alignment pass, and the parent's size at that time.
    QRect FAnchorDesign;
    QSize FAnchorParentSize;
    bool FAligning = false;
    QWidget* FInner = nullptr;
};
