#include "app/limittablewords.h"

#include "app/decimalseparator.h"
#include "app/studytexts.h"
#include "localisation/programlanguagefile.h"
#include "localisation/rivazidad2000.h"

#include <array>

namespace {

// The profile box's captions (mainfrm.lfm) without their prefix, by profile.
constexpr std::array<QLatin1StringView, 3> kTripNames{QLatin1StringView("Uniform Movement"),
                                                      QLatin1StringView("Standard Road Situation"),
                                                      QLatin1StringView("Back and Forth")};

} // namespace

LimitTableWords limitTableWords(const StudyTexts& texts, TRivazidad2000& dictionary, int profile) {
    const QString trip = profile >= 0 && profile < static_cast<int>(kTripNames.size())
                             ? dictionary.Translate(kTripNames[profile])
                             : QString();
    return {texts.TableHeading(),  trip,
            texts.TableBackward(), texts.TableForward(),
            texts.TableDt(),       texts.TableDs(),
            texts.TableVelocity(), texts.CentralSecant(),
            texts.ExactTangent(),  decimalSeparator(dictionary)};
}

QString limitTableTextInProgramLanguage(int profile, double t1) {
    TRivazidad2000 dictionary{QString()};
    loadProgramLanguageFile(dictionary);
    StudyTexts texts(nullptr);
    dictionary.TranslateComponent(&texts);
    return limitTableText(limitTable(profile, t1), limitTableWords(texts, dictionary, profile));
}
