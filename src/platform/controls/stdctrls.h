// The standard controls of stored layouts: panel, label, check box and combo box. Each wraps the
// native Qt widget (so it looks native) and publishes the properties and events layouts use.
#pragma once

#include "platform/controls/control.h"
#include "platform/controls/mousecontrol.h"
#include "platform/graphics/graphics.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;

namespace StdCtrls {
Q_NAMESPACE

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };
Q_ENUM_NS(TComboBoxStyle)

} // namespace StdCtrls

using StdCtrls::TBevelCut;
using StdCtrls::TComboBoxStyle;

// A container with an outer and an inner bevel and a centred caption. Aligned children share the
// area inside the bevels.
class TPanel : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(StdCtrls::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(StdCtrls::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
public:
    explicit TPanel(TComponentBase* owner, QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    // At least 1.
    void SetBevelWidth(int value);

protected:
    QRect AlignRect() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void bevelsChanged();

    QString FCaption;
    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    TBevelCut FBevelInner = TBevelCut::bvNone;
    int FBevelWidth = 1;
};

// A text that reports the usual mouse events. With AutoSize (the default) the label takes the size of its
// text once loaded and whenever the text or font changes; with WordWrap it keeps its width and takes the
// height.
class TLabel : public TMouseControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Graphics::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
public:
    explicit TLabel(TComponentBase* owner, QWidget* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool WordWrap() const;
    void SetWordWrap(bool value);

    void Loaded() override;

protected:
    void FontChanged() override;

private:
    void adjustBounds();

    QLabel* FLabel;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FAutoSize = true;
};

// A check box. OnClick fires when the user clicks it and whenever Checked changes from code, but
// not while the layout is being read.
class TCheckBox : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
public:
    explicit TCheckBox(TComponentBase* owner, QWidget* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& value);
    bool Checked() const;
    void SetChecked(bool value);

    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }

private:
    QCheckBox* FBox;
    TNotifyEvent FOnClick;
};

// A combo box. OnChange fires only when the user picks an item; setting ItemIndex or Items from
// code does not fire it. An ItemIndex read before the Items in a layout is kept until Loaded.
// ItemIndex -1 means no selection; other values outside the items are ignored.
class TComboBox : public TControl {
    Q_OBJECT
    Q_PROPERTY(StdCtrls::TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
public:
    explicit TComboBox(TComponentBase* owner, QWidget* parent = nullptr);

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    QStringList Items() const;
    // Keeps the selected index when it is still valid, and an edit text that is no item.
    void SetItems(const QStringList& value);
    int ItemIndex() const;
    void SetItemIndex(int value);
    QString Text() const;
    // The edit text; in a drop-down list it selects the item of that text, if there is one.
    void SetText(const QString& value);

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

    void Loaded() override;

private:
    // Makes the box editable or a drop-down list as its style says; while it is being read from a
    // layout, the style waits until Loaded or until something depends on it.
    void applyStyle();

    QComboBox* FCombo;
    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    int FItemHeight = 16;
    int FPendingIndex = -1;
    TNotifyEvent FOnChange;
};
