#include "localisation/collectedfile.h"

#include "localisation/languagefile.h"
#include "platform/system/regularfile.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include <cstdio>

QByteArray collectedFileContent(const QStringList& collected, const QStringList& keys,
                                const QStringList& values, LanguageFileEncoding encoding) {
    QString text;
    for (const QString& line : collected)
        text += line + QStringLiteral("\r\n");
    for (qsizetype i = 0; i < keys.size(); ++i)
        text += languageFileLine(keys[i], values[i]) + QStringLiteral("\r\n");
    return encodeLanguageFile(text, encoding);
}

QString writeCollectedFile(const QString& path, const QByteArray& content) {
    return writeFileAtomically(QFile::encodeName(path), content);
}

void reportCollectedFileError(const QString& message) {
    // The offscreen and minimal platforms have no user who could close a box.
    const bool visibleGui = qobject_cast<QApplication*>(QCoreApplication::instance()) &&
                            QGuiApplication::platformName() != QLatin1String("offscreen") &&
                            QGuiApplication::platformName() != QLatin1String("minimal");
    if (visibleGui)
        QMessageBox::warning(nullptr, QCoreApplication::applicationName(), message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
