// What the fuzz targets share: a check that stops the run, a scratch folder for inputs that are
// read from files, and quiet Qt (its warnings about broken input would drown the fuzzer's report).
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A broken promise of the code under test: the fuzzer reports the input that broke it.
inline void require(bool condition) {
    if (!condition) std::abort();
}

inline QTemporaryDir& fuzzScratchDir() {
    static QTemporaryDir dir;
    return dir;
}

// Qt off-screen, with runtime and settings folders of the run's own and no messages.
inline void prepareQtForFuzzing() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(fuzzScratchDir().path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(fuzzScratchDir().filePath(QStringLiteral("config"))));
    qputenv("KYVELO_HOST_SETTINGS", "/nonexistent");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

// Writes the input to a file of the scratch folder and returns its path (empty when it cannot).
inline QString writeFuzzInput(const QString& name, const std::uint8_t* data, std::size_t size) {
    const QString path = fuzzScratchDir().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
        static_cast<qint64>(size))
        return {};
    return path;
}
