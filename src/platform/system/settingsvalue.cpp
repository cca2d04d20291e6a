#include "platform/system/settingsvalue.h"

#include "platform/system/regularfile.h"
#include "platform/system/settingsregistry.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Far more than a few values need.
constexpr qint64 kMaxSettingsSize = 1 << 20;

} // namespace

// Read by hand rather than through QSettings, which would turn "a, b" into a list and unquote values.
QString readSettingsValue(const QString& file, const QString& section, const QString& key, QString* refusal) {
    if (isRegistryKey(file)) return readRegistryValue(file + QLatin1Char('\\') + section, key, refusal);
    QString why;
    const std::optional<QByteArray> bytes =
        readRegularFile(QFile::encodeName(file), kMaxSettingsSize, SymbolicLinks::Follow, &why);
    if (!bytes) {
        if (refusal && QFileInfo::exists(file)) *refusal = why;
        return {};
    }
    QTextStream in(*bytes);
    bool inSection = false;
    QString line;
    while (in.readLineInto(&line)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            inSection =
                trimmed.mid(1, trimmed.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 && trimmed.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return trimmed.mid(equals + 1).trimmed();
    }
    return {};
}
