// Helpers of the localisation tests: the language files in tests/data/localisation.
#pragma once

#include "../qstringprinter.h"
#include "localisation/rivazidad2000.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>

inline QString testDataPath(const char* name) {
    return QStringLiteral(KYVELO_TEST_DATA "/localisation/") + QString::fromLatin1(name);
}

inline void loadFile(TRivazidad2000& dictionary, const char* name) {
    QFile file(testDataPath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    dictionary.LoadFromStream(file);
}
