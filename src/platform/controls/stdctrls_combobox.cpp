#include "platform/controls/stdctrls.h"

#include <QComboBox>

using enum StdCtrls::TComboBoxStyle;

TComboBox::TComboBox(TComponentBase* owner, QWidget* parent)
    : TControl(owner, parent), FCombo(new QComboBox(this)) {
    // A box read from a layout takes its style from there: being made editable at once would build
    // a line edit and its completer that a drop-down list throws away a moment later.
    if (!owner || !owner->IsLoading()) applyStyle();
    setInnerWidget(FCombo);
    PublishEvent(QStringLiteral("OnChange"), &FOnChange);
    // activated is emitted for the user's choices only, never for changes from code.
    connect(FCombo, &QComboBox::activated, this, [this] {
        if (FOnChange) FOnChange(this);
    });
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    FStyle = value;
    if (!IsLoading()) applyStyle();
}

void TComboBox::applyStyle() {
    FCombo->setEditable(FStyle != csDropDownList);
}

void TComboBox::SetItemHeight(int value) {
    FItemHeight = std::max(value, 1);
}

QStringList TComboBox::Items() const {
    QStringList items;
    for (int i = 0; i < FCombo->count(); ++i)
        items.append(FCombo->itemText(i));
    return items;
}

void TComboBox::SetItems(const QStringList& value) {
    const int index = FCombo->currentIndex();
    const QString text = FCombo->currentText();
    FCombo->clear();
    FCombo->addItems(value);
    // Qt selects the first item of a filled list by itself; keep the previous choice instead.
    FCombo->setCurrentIndex(index < FCombo->count() ? index : -1);
    // Clearing the list clears the edit text too; a text typed or set apart from the items stays.
    if (FCombo->isEditable() && index < 0) FCombo->setEditText(text);
}

int TComboBox::ItemIndex() const {
    return FCombo->currentIndex();
}

void TComboBox::SetItemIndex(int value) {
    if (IsLoading()) FPendingIndex = value;
    if (value >= -1 && value < FCombo->count()) FCombo->setCurrentIndex(value);
}

QString TComboBox::Text() const {
    return FCombo->currentText();
}

void TComboBox::SetText(const QString& value) {
    applyStyle(); // an edit text or the choice of an item
    FCombo->setCurrentText(value);
}

void TComboBox::Loaded() {
    TControl::Loaded();
    applyStyle();
    if (FPendingIndex >= 0) SetItemIndex(FPendingIndex);
    FPendingIndex = -1;
}
