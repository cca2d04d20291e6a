// Reads the language file of this process (see languageFilePath(): the language chosen inside the
// program, the file beside it, the user's own, the package's for the locale) into a dictionary.
#pragma once

class TRivazidad2000;

// The user may link a class's file into place; a FIFO, a huge file or no file at all leaves the
// dictionary as it was.
void loadProgramLanguageFile(TRivazidad2000& dictionary);
