#include "app/roadstriptexts.h"

RoadStripTexts::RoadStripTexts(TComponentBase* owner) : TComponent(owner) {
    SetName(QStringLiteral("RoadStripTexts"));
}
