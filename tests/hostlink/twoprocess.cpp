#include "twoprocess.h"

#include "platform/system/linkdirectory.h"
#include "platform/system/linkrecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <atomic>

#ifdef Q_OS_WIN
#include "platform/system/namedmutex.h"
#else
#include <sys/stat.h>
#endif

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::usleep(2000);
    }
    return true;
}

HostProcess::HostProcess(const QStringList& extraArguments) {
    static std::atomic<int> counter{0};
    FHandleText = QStringLiteral("t%1x%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    QObject::connect(&FProcess, &QProcess::readyReadStandardOutput, [this] {
        FPartial += FProcess.readAllStandardOutput();
        for (qsizetype end = FPartial.indexOf('\n'); end >= 0; end = FPartial.indexOf('\n')) {
            FLines.append(QString::fromUtf8(FPartial.left(end)));
            FPartial.remove(0, end + 1);
        }
    });
    FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FProcess.start(QStringLiteral(KYVELO_TESTHOST),
                   QStringList{QStringLiteral("--handle"), FHandleText} + extraArguments);
    FStarted = take(QStringLiteral("ready "));
}

HostProcess::~HostProcess() {
    FProcess.kill();
    FProcess.waitForFinished();
}

bool HostProcess::seen(const QString& prefix) const {
    return std::any_of(FLines.begin(), FLines.end(),
                       [&](const QString& line) { return line.startsWith(prefix); });
}

bool HostProcess::take(const QString& prefix, int timeoutMs) {
    if (!waitUntil([&] { return seen(prefix); }, timeoutMs)) return false;
    FLines.removeAt(std::find_if(FLines.begin(), FLines.end(),
                                 [&](const QString& line) { return line.startsWith(prefix); }) -
                    FLines.begin());
    return true;
}

void HostProcess::command(const QString& line) {
    FProcess.write(line.toUtf8() + '\n');
}

bool HostProcess::commandAndWait(const QString& line, const QString& reportPrefix) {
    command(line);
    return take(reportPrefix);
}

std::unique_ptr<QProcess> startProgram(const QStringList& arguments, QProcess::ProcessChannelMode channels) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(channels);
    process->start(QStringLiteral(KYVELO_PROGRAM), arguments);
    return process;
}

qint64 programLockHolder() {
#ifdef Q_OS_WIN
    return NamedMutex::holder(QStringLiteral("LV_kyvelo"));
#else
    const QByteArray path = QFile::encodeName(linkDirectory() + QStringLiteral("/LV_kyvelo.lock"));
    struct stat info {};
    if (stat(path.constData(), &info) != 0) return 0;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) return 0;
    // "1: FLOCK  ADVISORY  WRITE 4521 00:1d:2345 0 EOF"
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" &&
            fields[5].endsWith(':' + QByteArray::number(info.st_ino)))
            return fields[4].toLongLong();
    }
    return 0;
#endif
}

LinkHandle clientWindow() {
    return findLinkWindow(QStringLiteral("ThisIsTheLernavoClientComponentWindowClass"), QString());
}
