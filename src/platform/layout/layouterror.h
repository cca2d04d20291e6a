// The error of a stored layout that cannot be read. Its message names the file, the line and the
// offending word: `mainfrm.lfm(12): unknown property "Captoin"`.
#pragma once

#include "platform/controls/exceptions.h"

class ELayoutError : public Exception {
public:
    // `what` is the description with the offending word already in double quotes. A line of 0
    // stands for the file as a whole (it cannot be read).
    ELayoutError(const QString& file, int line, const QString& what);

    const QString& File() const { return FFile; }
    int Line() const { return FLine; }

private:
    QString FFile;
    int FLine;
};

// The usual description: `unknown class "TFoo"`.
QString quotedWord(const QString& what, const QString& word);
