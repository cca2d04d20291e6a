// The program's language files replaced for the life of the object: a test reads and writes them
// in a folder of its own, never beside the test program, so tests running side by side never see
// each other's files.
#pragma once

#include "localisation/languagefilepath.h"

#include <utility>

class ScopedLanguageFiles {
public:
    explicit ScopedLanguageFiles(LanguageFiles files) { setProgramLanguageFiles(std::move(files)); }
    ~ScopedLanguageFiles() { setProgramLanguageFiles(std::nullopt); }
    ScopedLanguageFiles(const ScopedLanguageFiles&) = delete;
    ScopedLanguageFiles& operator=(const ScopedLanguageFiles&) = delete;
};
