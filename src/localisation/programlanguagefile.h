// Reads the language file of this process (see languageFilePath(): the language chosen inside the
// program, the file beside it, the user's own, the package's for the locale) into a dictionary.
#pragma once

class TRivazidad2000;

// A file that cannot be read (a FIFO, a huge file) is passed over for the next, with a word on
// stderr; no readable file at all leaves the dictionary as it was.
void loadProgramLanguageFile(TRivazidad2000& dictionary);
