#include "app/accesstexts.h"

AccessTexts::AccessTexts(TComponentBase* owner) : TComponent(owner) {
    SetName(QStringLiteral("AccessTexts"));
}
