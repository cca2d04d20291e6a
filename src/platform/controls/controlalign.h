// Where a control sits in its parent: Align docks it to an edge or the remaining client area,
// Anchors keep its distances to chosen parent edges when the parent is resized, and Constraints
// bound its size. The layout arithmetic is plain logic over rectangles; controls apply its results.
#pragma once

#include <QFlags>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

namespace Controls {
Q_NAMESPACE

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum class TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

} // namespace Controls

Q_DECLARE_OPERATORS_FOR_FLAGS(Controls::TAnchors)

using Controls::TAlign;
using Controls::TAnchorKind;
using Controls::TAnchors;

// Size limits of a control; 0 means no limit. Published as the control's Constraints sub-object.
class TSizeConstraints : public QObject {
    Q_OBJECT
    Q_CLASSINFO("ScaledProperties", "MinWidth,MinHeight,MaxWidth,MaxHeight")
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)
public:
    explicit TSizeConstraints(QObject* parent = nullptr) : QObject(parent) {}

    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMinWidth(int value) { store(FMinWidth, value); }
    void SetMinHeight(int value) { store(FMinHeight, value); }
    void SetMaxWidth(int value) { store(FMaxWidth, value); }
    void SetMaxHeight(int value) { store(FMaxHeight, value); }

    // The size brought within the limits; a minimum wins over a smaller maximum.
    QSize Apply(QSize size) const;

    void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

private:
    void store(int& field, int value);

    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
    std::function<void()> FOnChange;
};

// One child as the alignment pass sees it.
struct AlignItem {
    TAlign Align = TAlign::alNone;
    QRect Bounds;
    const TSizeConstraints* Constraints = nullptr;
};

// Docks the aligned items inside client: alTop items from the top down (in order of their Top),
// alBottom from the bottom up, then alLeft and alRight in the height that is left, and alClient
// items take the rest. Returns the new bounds of every item; alNone items keep theirs.
std::vector<QRect> alignBounds(const QRect& client, const std::vector<AlignItem>& items);

// The bounds of an alNone control after its parent changed from `designParent` (its size when
// `design` was set) to `parent`. An edge anchored on both sides stretches; anchored on the far side
// only, it moves by the growth; anchored on neither, it keeps its centre in proportion (half the
// growth, truncated); anchored on the near side only, it stays.
QRect anchoredBounds(const QRect& design, const QSize& designParent, const QSize& parent, TAnchors anchors);
