// The limit table's words in the language of a dictionary, for the window and for the command line.
#pragma once

#include "app/limittable.h"

class StudyTexts;
class TRivazidad2000;

// The captions from the (translated) study texts; the trip's name (a profile's is the profile box's
// caption) and the decimal separator from the dictionary.
LimitTableWords limitTableWords(const StudyTexts& texts, TRivazidad2000& dictionary, const Trip& trip);

// The table of point 1 at t1 on a trip as tab-separated text, in the language the window would
// speak (the program's language file); needs the application object for the program's folder.
QString limitTableTextInProgramLanguage(const Trip& trip, double t1);
