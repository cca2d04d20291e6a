#include "app/studytexts.h"

StudyTexts::StudyTexts(TComponentBase* owner) : TComponent(owner) {
    SetName(QStringLiteral("StudyTexts"));
}
