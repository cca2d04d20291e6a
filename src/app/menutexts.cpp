#include "app/menutexts.h"

MenuTexts::MenuTexts(TComponentBase* owner) : TComponent(owner) {
    SetName(QStringLiteral("MenuTexts"));
}
