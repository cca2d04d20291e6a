#include "app/limittablewords.h"

#include "app/decimalseparator.h"
#include "app/studytexts.h"
#include "localisation/programlanguagefile.h"
#include "localisation/rivazidad2000.h"

LimitTableWords limitTableWords(const StudyTexts& texts, TRivazidad2000& dictionary, const Trip& trip) {
    return {texts.TableHeading(),  dictionary.Translate(trip.name()),
            texts.TableBackward(), texts.TableForward(),
            texts.TableDt(),       texts.TableDs(),
            texts.TableVelocity(), texts.CentralSecant(),
            texts.ExactTangent(),  decimalSeparator(dictionary)};
}

QString limitTableTextInProgramLanguage(const Trip& trip, double t1) {
    TRivazidad2000 dictionary{QString()};
    loadProgramLanguageFile(dictionary);
    StudyTexts texts(nullptr);
    dictionary.TranslateComponent(&texts);
    return limitTableText(limitTable(trip, t1), limitTableWords(texts, dictionary, trip));
}
