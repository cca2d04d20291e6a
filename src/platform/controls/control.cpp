#include "platform/controls/control.h"

#include "platform/graphics/assignchanged.h"
#include "platform/graphics/colorresolve.h"

#include <QPalette>

#include <algorithm>

using enum Controls::TAlign;

TControl::TControl(TComponentBase* owner, QWidget* parent)
    : QWidget(parent), TComponentBase(owner), FConstraints(new TSizeConstraints(this)),
      FFont(new TFont(this)) {
    FConstraints->SetOnChange([this] { constraintsChanged(); });
    FFont->SetOnChange([this] { ownFontChanged(); });
    inheritParentFont();
    FontChanged();
    rememberAnchorDesign();
}

void TControl::SetVisible(bool value) {
    FVisible = value;
    setVisible(value);
    if (FAlign != alNone) requestParentRealign();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const QSize size = FConstraints->Apply({std::max(width, 0), std::max(height, 0)});
    setGeometry(left, top, size.width(), size.height());
    if (FInner) FInner->setGeometry(rect());
    if (!FAligning) {
        rememberAnchorDesign();
        if (FAlign != alNone) requestParentRealign();
    }
    AlignControls();
}

void TControl::SetAlign(TAlign value) {
    if (assignChanged(FAlign, value)) requestParentRealign();
}

void TControl::SetAnchors(TAnchors value) {
    FAnchors = value;
    rememberAnchorDesign();
}

void TControl::SetColor(TColor value) {
    if (!assignChanged(FColor, value)) return;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(value));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TControl::SetParentFont(bool value) {
    FParentFont = value;
    if (value) inheritParentFont();
}

void TControl::SetHint(const QString& value) {
    FHint = value;
    setToolTip(FShowHint ? FHint : QString());
}

void TControl::SetShowHint(bool value) {
    FShowHint = value;
    setToolTip(FShowHint ? FHint : QString());
}

void TControl::AlignControls() {
    if (IsLoading()) return;
    const std::vector<TControl*> children = childControls();
    std::vector<AlignItem> items;
    items.reserve(children.size());
    for (const TControl* c : children)
        items.push_back({c->FVisible ? c->FAlign : alNone, c->geometry(), c->FConstraints});
    const std::vector<QRect> docked = alignBounds(AlignRect(), items);
    for (size_t i = 0; i < children.size(); ++i) {
        TControl* c = children[i];
        QRect r = docked[i];
        if (items[i].Align == alNone && c->FAnchorParentSize.isValid())
            r = anchoredBounds(c->FAnchorDesign, c->FAnchorParentSize, size(), c->FAnchors);
        if (r != c->geometry()) c->setAlignedBounds(r);
    }
}

void TControl::Loaded() {
    TComponentBase::Loaded();
    AlignControls();
    applyTabOrder();
}

void TControl::FontChanged() {
    setFont(FFont->toQFont());
    QPalette pal = palette();
    const QColor text = toQColor(FFont->Color());
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, text);
    setPalette(pal);
}

void TControl::setInnerWidget(QWidget* inner) {
    FInner = inner;
    FInner->setGeometry(rect());
    setFocusProxy(FInner);
}

void TControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (FInner) FInner->setGeometry(rect());
    AlignControls();
}

std::vector<TControl*> TControl::childControls() const {
    std::vector<TControl*> result;
    for (QObject* child : children())
        if (auto* c = qobject_cast<TControl*>(child)) result.push_back(c);
    return result;
}

TControl* TControl::parentControl() const {
    return qobject_cast<TControl*>(parentWidget());
}

void TControl::setAlignedBounds(const QRect& r) {
    FAligning = true;
    SetBounds(r.x(), r.y(), r.width(), r.height());
    FAligning = false;
}

void TControl::rememberAnchorDesign() {
    FAnchorDesign = geometry();
    FAnchorParentSize = parentWidget() ? parentWidget()->size() : QSize();
}

void TControl::requestParentRealign() {
    if (TControl* parent = parentControl()) parent->AlignControls();
}

void TControl::constraintsChanged() {
    const QRect old = geometry();
    setMinimumSize(FConstraints->MinWidth(), FConstraints->MinHeight());
    setMaximumSize(FConstraints->MaxWidth() > 0 ? FConstraints->MaxWidth() : QWIDGETSIZE_MAX,
                   FConstraints->MaxHeight() > 0 ? FConstraints->MaxHeight() : QWIDGETSIZE_MAX);
    FAligning = true; // a limit is no new design position
    SetBounds(old.x(), old.y(), old.width(), old.height());
    FAligning = false;
}

void TControl::ownFontChanged() {
    if (!FInheritingFont) FParentFont = false;
    FontChanged();
    for (TControl* c : childControls())
        if (c->FParentFont) c->inheritParentFont();
}

void TControl::inheritParentFont() {
    const TControl* parent = parentControl();
    if (!parent) return;
    FInheritingFont = true;
    FFont->Assign(*parent->Font());
    FInheritingFont = false;
}

void TControl::applyTabOrder() {
    std::vector<TControl*> chain;
    for (TControl* c : childControls())
        if (c->FTabOrder >= 0) chain.push_back(c);
    std::stable_sort(chain.begin(), chain.end(),
                     [](const TControl* a, const TControl* b) { return a->FTabOrder < b->FTabOrder; });
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}
