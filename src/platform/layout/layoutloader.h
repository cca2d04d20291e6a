// Builds a form from its stored layout (see layoutparser.h for the text).
//
// The root object is the form itself: its properties are applied to the existing form instance,
// whose class (or an ancestor's) must be the one the layout names. Every nested object is created
// through the class registry with the form as owner and the enclosing object's widget as parent,
// enters its loading state, gets its name and then its properties in file order through the
// setters; dotted names reach into object-valued properties (Font.Height, Constraints.MinWidth).
// A line `OnX = Handler` binds the component's published event OnX to the form's published
// handler of that name; the signatures must agree exactly. When everything has been read, Loaded
// runs on the form and on every component in creation order.
//
// Scaling: when the root states PixelsPerInch (and Scaled is not False) and it differs from the
// screen's, every scaled property (layoutscaling.h) is multiplied as it is read, and the form's
// PixelsPerInch becomes the screen's.
//
// Errors raise ELayoutError naming file, line and word: unknown class, unknown property, bad
// value (a length, as scaled, beyond kMaxLayoutLength pixels either way among them), unknown
// handler, a handler that does not fit the event, a duplicate name. Components
// created before the error stay owned by the form and are freed with it.
#pragma once

#include "platform/controls/forms.h"
#include "platform/layout/layoutparser.h"

// Longer than any screen: a window or control that size would only ask for gigabytes of picture.
constexpr qint64 kMaxLayoutLength = 10000;

// The screen resolution to scale to; 0 means the primary screen's logical resolution.
void loadFormLayout(TForm& form, const LayoutObject& root, const QString& fileName,
                    int screenPixelsPerInch = 0);
// Reads and loads the layout in a file or Qt resource (":/layouts/mainfrm.lfm"), UTF-8 text.
void readFormLayout(TForm& form, const QString& path, int screenPixelsPerInch = 0);
