// The translation dictionary: loading a 500-entry language file, in Windows-1252 and in UTF-8, next to
// reading the same bytes with a plain QFile::readAll, and translating the main window from that file.
#include "app/mainfrm.h"
#include "localisation/rivazidad2000.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// The main window's caption keys. Each translates to itself with the prefix, so that every round of
// the walk finds the same prefixed texts and does the same work.
const char* const kWindowKeys[] = {"Distance - Time - Velocity",
                                   "Single Point Measurement",
                                   "Show Crosshairs",
                                   "Uniform Movement",
                                   "Standard Road Situation",
                                   "Back and Forth",
                                   "About",
                                   "Exit",
                                   "Time [min]",
                                   "Distance [km]",
                                   "Velocity",
                                   "Distance Interval ds [km]",
                                   "Time Interval dt [min]"};
constexpr int kEntries = 500;

// 500 entries, the window's keys last (the longest scans), umlauts in the values: Windows-1252, or
// UTF-8 after the byte-order mark.
QByteArray languageFile(bool utf8) {
    QByteArray bytes;
    const int fillers = kEntries - static_cast<int>(std::size(kWindowKeys));
    for (int i = 0; i < fillers; ++i)
        bytes += "[Text number " + QByteArray::number(i) +
                 "]=Gr\xf6\xdf"
                 "e Nummer " +
                 QByteArray::number(i) + "\\nzweite Zeile|$$\r\n";
    for (const char* key : kWindowKeys)
        bytes += QByteArray("[") + key + "]=BF_" + key + "|$$\r\n";
    return utf8 ? "\xEF\xBB\xBF" + QString::fromLatin1(bytes).toUtf8() : bytes;
}

class LanguageFileOnDisk {
public:
    explicit LanguageFileOnDisk(bool utf8 = false) : path(folder.filePath(QStringLiteral("kyvelo.itl"))) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(languageFile(utf8)) < 0) std::abort();
    }
    QTemporaryDir folder;
    QString path;
};

void loadInto(TRivazidad2000& dictionary, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    dictionary.LoadFromStream(file);
}

} // namespace

// Argument 0: Windows-1252; 1: UTF-8.
static void BM_LoadLanguageFile(benchmark::State& state) {
    const LanguageFileOnDisk file(state.range(0) == 1);
    for (auto _ : state) {
        TRivazidad2000 dictionary(QString{});
        loadInto(dictionary, file.path);
        benchmark::DoNotOptimize(dictionary.Keys().size());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_LoadLanguageFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The least any reader does: the same file's bytes with one QFile::readAll.
static void BM_BaselineReadAll(benchmark::State& state) {
    const LanguageFileOnDisk file;
    for (auto _ : state) {
        QFile f(file.path);
        if (!f.open(QIODevice::ReadOnly)) std::abort();
        benchmark::DoNotOptimize(f.readAll().size());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_BaselineReadAll)->Unit(benchmark::kMicrosecond);

// The walk over the main window and everything it owns, 13 lookups at the end of 500 entries.
static void BM_TranslateMainWindow(benchmark::State& state) {
    const LanguageFileOnDisk file;
    TRivazidad2000 dictionary(QString{});
    loadInto(dictionary, file.path);
    TForm1 form(120);
    for (auto _ : state)
        dictionary.TranslateComponent(&form);
}
BENCHMARK(BM_TranslateMainWindow)->Unit(benchmark::kMicrosecond);
