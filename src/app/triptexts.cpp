#include "app/triptexts.h"

TripTexts::TripTexts(TComponentBase* owner) : TComponent(owner) {
    SetName(QStringLiteral("TripTexts"));
}
