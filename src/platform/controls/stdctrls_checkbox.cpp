#include "platform/controls/stdctrls.h"

#include <QCheckBox>

TCheckBox::TCheckBox(TComponentBase* owner, QWidget* parent)
    : TControl(owner, parent), FBox(new QCheckBox(this)) {
    setInnerWidget(FBox);
    PublishEvent(QStringLiteral("OnClick"), &FOnClick);
    // One path for user clicks and changes from code alike.
    connect(FBox, &QCheckBox::toggled, this, [this] {
        if (!IsLoading() && FOnClick) FOnClick(this);
    });
}

QString TCheckBox::Caption() const {
    return FBox->text();
}

void TCheckBox::SetCaption(const QString& value) {
    FBox->setText(value);
}

bool TCheckBox::Checked() const {
    return FBox->isChecked();
}

void TCheckBox::SetChecked(bool value) {
    FBox->setChecked(value);
}
