#include "platform/controls/controlalign.h"

#include "platform/graphics/assignchanged.h"

#include <algorithm>
#include <utility>

using enum Controls::TAlign;
using enum Controls::TAnchorKind;

QSize TSizeConstraints::Apply(QSize size) const {
    int w = size.width();
    int h = size.height();
    if (FMaxWidth > 0) w = std::min(w, FMaxWidth);
    if (FMaxHeight > 0) h = std::min(h, FMaxHeight);
    return {std::max(w, FMinWidth), std::max(h, FMinHeight)};
}

void TSizeConstraints::store(int& field, int value) {
    value = std::max(value, 0);
    if (assignChanged(field, value) && FOnChange) FOnChange();
}

namespace {

// The space not yet taken, right and bottom exclusive.
struct FreeArea {
    int Left, Top, Right, Bottom;
    int width() const { return std::max(Right - Left, 0); }
    int height() const { return std::max(Bottom - Top, 0); }
};

QSize constrained(const AlignItem& item, int width, int height) {
    const QSize size(width, height);
    return item.Constraints ? item.Constraints->Apply(size) : size;
}

QRect dock(const AlignItem& item, FreeArea& area) {
    const QRect& b = item.Bounds;
    switch (item.Align) {
    case alTop: {
        const QSize s = constrained(item, area.width(), b.height());
        const QRect r(area.Left, area.Top, s.width(), s.height());
        area.Top += s.height();
        return r;
    }
    case alBottom: {
        const QSize s = constrained(item, area.width(), b.height());
        area.Bottom -= s.height();
        return {area.Left, area.Bottom, s.width(), s.height()};
    }
    case alLeft: {
        const QSize s = constrained(item, b.width(), area.height());
        const QRect r(area.Left, area.Top, s.width(), s.height());
        area.Left += s.width();
        return r;
    }
    case alRight: {
        const QSize s = constrained(item, b.width(), area.height());
        area.Right -= s.width();
        return {area.Right, area.Top, s.width(), s.height()};
    }
    case alClient: {
        const QSize s = constrained(item, area.width(), area.height());
        return {area.Left, area.Top, s.width(), s.height()};
    }
    case alNone:
        break;
    }
    return b;
}

// Items of one alignment in docking order: nearest to their edge first, ties in child order.
std::vector<size_t> dockingOrder(const std::vector<AlignItem>& items, TAlign align) {
    std::vector<size_t> order;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Align == align) order.push_back(i);
    auto key = [&](size_t i) {
        const QRect& b = items[i].Bounds;
        switch (align) {
        case alTop:
            return b.top();
        case alBottom:
            return -(b.top() + b.height());
        case alLeft:
            return b.left();
        case alRight:
            return -(b.left() + b.width());
        default:
            return 0;
        }
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
    return order;
}

} // namespace

std::vector<QRect> alignBounds(const QRect& client, const std::vector<AlignItem>& items) {
    std::vector<QRect> result;
    result.reserve(items.size());
    for (const AlignItem& item : items)
        result.push_back(item.Bounds);
    FreeArea area{client.left(), client.top(), client.left() + client.width(),
                  client.top() + client.height()};
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        for (size_t i : dockingOrder(items, align))
            result[i] = dock(items[i], area);
    return result;
}

namespace {

// One axis of anchoredBounds: returns the new start and extent.
std::pair<int, int> anchorAxis(int start, int extent, int growth, bool nearSide, bool farSide) {
    if (nearSide && farSide) return {start, std::max(extent + growth, 0)};
    if (farSide) return {start + growth, extent};
    if (!nearSide) return {start + growth / 2, extent};
    return {start, extent};
}

} // namespace

QRect anchoredBounds(const QRect& design, const QSize& designParent, const QSize& parent, TAnchors anchors) {
    const auto [left, width] =
        anchorAxis(design.left(), design.width(), parent.width() - designParent.width(),
                   anchors.testFlag(akLeft), anchors.testFlag(akRight));
    const auto [top, height] =
        anchorAxis(design.top(), design.height(), parent.height() - designParent.height(),
                   anchors.testFlag(akTop), anchors.testFlag(akBottom));
    return {left, top, width, height};
}
