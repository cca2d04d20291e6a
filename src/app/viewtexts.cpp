#include "app/viewtexts.h"

ViewTexts::ViewTexts(TComponentBase* owner) : TComponent(owner) {
    SetName(QStringLiteral("ViewTexts"));
}
