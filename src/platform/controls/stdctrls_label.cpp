#include "platform/controls/stdctrls.h"

#include <QLabel>

using enum Graphics::TAlignment;

namespace {

Qt::Alignment qtAlignment(TAlignment a) {
    switch (a) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignTop;
    case taCenter:
        return Qt::AlignHCenter | Qt::AlignTop;
    case taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

TLabel::TLabel(TComponentBase* owner, QWidget* parent)
    : TMouseControl(owner, parent), FLabel(new QLabel(this)) {
    FLabel->setTextFormat(Qt::PlainText);
    FLabel->setAlignment(qtAlignment(FAlignment));
    setInnerWidget(FLabel);
}

QString TLabel::Caption() const {
    return FLabel->text();
}

void TLabel::SetCaption(const QString& value) {
    if (FLabel->text() == value) return;
    FLabel->setText(value);
    adjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
    FAlignment = value;
    FLabel->setAlignment(qtAlignment(value));
}

void TLabel::SetAutoSize(bool value) {
    FAutoSize = value;
    adjustBounds();
}

bool TLabel::WordWrap() const {
    return FLabel->wordWrap();
}

void TLabel::SetWordWrap(bool value) {
    FLabel->setWordWrap(value);
    adjustBounds();
}

void TLabel::Loaded() {
    TControl::Loaded();
    adjustBounds();
}

void TLabel::FontChanged() {
    TControl::FontChanged();
    adjustBounds();
}

void TLabel::adjustBounds() {
    if (!FAutoSize || IsLoading()) return;
    if (WordWrap()) {
        SetBounds(Left(), Top(), Width(), FLabel->heightForWidth(Width()));
    } else {
        const QSize hint = FLabel->sizeHint();
        SetBounds(Left(), Top(), hint.width(), hint.height());
    }
}
