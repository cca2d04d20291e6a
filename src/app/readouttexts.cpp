#include "app/readouttexts.h"

ReadoutTexts::ReadoutTexts(TComponentBase* owner) : TComponent(owner) {
    SetName(QStringLiteral("ReadoutTexts"));
}
