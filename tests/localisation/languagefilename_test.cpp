// The language file's name from the program's file name or path.
#include "localisation/languagefilename.h"

#include <gtest/gtest.h>

TEST(LanguageFileName, TheExtensionBecomesItl) {
    struct Case {
        const char* program;
        const char* expected;
    };
    const Case cases[] = {
        {"kyvelo", "kyvelo.itl"},
        {"/opt/kyvelo", "/opt/kyvelo.itl"},
        {"DEMO.EXE", "DEMO.itl"},
        {"kyvelo.bin", "kyvelo.itl"},
        {"C:\\Prog\\Kyvelo.exe", "C:\\Prog\\Kyvelo.itl"},
        {"kyvelo.sh", "kyvelo.itl"},
        {"my.app.x", "my.app.itl"},
        {"/opt/v1.2/kyvelo", "/opt/v1.2/kyvelo.itl"},
        {".exe", ".exe.itl"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(languageFileName(QString::fromUtf8(c.program)), QString::fromUtf8(c.expected)) << c.program;
}
