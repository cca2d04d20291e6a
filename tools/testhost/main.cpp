// testhost: the stand-in host textbook application, for tests and for trying Kyvelo with a host.
// Reads commands from standard input and reports on standard output, one line each; see
// docs/testhost.md.
#include "testhost.h"

#include "hostlink/heaptuning.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

namespace {

void report(const QString& line) {
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}

QHash<QString, QString> pairs(const QStringList& values) {
    QHash<QString, QString> result;
    for (const QString& value : values) {
        const qsizetype equals = value.indexOf(QLatin1Char('='));
        if (equals > 0) result.insert(value.left(equals), value.mid(equals + 1));
    }
    return result;
}

// One command line from standard input.
void execute(TestHost& host, const QString& command) {
    const QStringList words = command.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    if (words.size() == 3 && words[0] == QLatin1String("quit")) {
        const LinkHandle target = words[2].toUInt(&ok, 16);
        if (ok)
            return report(
                QStringLiteral("quit sent %1").arg(host.sendQuit(target, words[1] != QLatin1String("0"))));
    } else if (words.size() == 3 && words[0] == QLatin1String("params")) {
        bool targetOk = false;
        const int count = words[1].toInt(&ok);
        const LinkHandle target = words[2].toUInt(&targetOk, 16);
        if (ok && targetOk && count > 0)
            return report(QStringLiteral("params sent %1").arg(host.sendParams(target, count)));
    } else if (words == QStringList{QStringLiteral("wrong-stamp")}) {
        host.stampNextReplyWrongly();
        return report(QStringLiteral("next reply stamped wrongly"));
    } else if (words == QStringList{QStringLiteral("exit")}) {
        return QCoreApplication::quit();
    }
    report(QStringLiteral("unknown command: ") + command);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    keepHeapForLinkBlocks(); // as the program does: messages of 64 KiB and more pass through here too
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Stand-in host textbook application"));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("handle"), QStringLiteral("Handle text of the server window."),
                      QStringLiteral("text"), QStringLiteral("1")});
    parser.addOption(
        {QStringLiteral("files"), QStringLiteral("Folder whose files are served."), QStringLiteral("dir")});
    parser.addOption({QStringLiteral("variable"), QStringLiteral("A variable's value (repeatable)."),
                      QStringLiteral("name=value")});
    parser.addOption({QStringLiteral("text"), QStringLiteral("An answer to mcQueryText (repeatable)."),
                      QStringLiteral("text=answer")});
    parser.process(app);

    TestHostOptions options;
    options.HandleText = parser.value(QStringLiteral("handle")).toLower();
    options.FilesDirectory = parser.value(QStringLiteral("files"));
    options.Variables = pairs(parser.values(QStringLiteral("variable")));
    options.Texts = pairs(parser.values(QStringLiteral("text")));
    TestHost host(options, report);
    if (!host.isOpen()) {
        std::fprintf(stderr, "testhost: cannot open the server's link window\n");
        return 1;
    }

    // Commands are read on a thread of their own, which works alike on every system, and each is
    // carried out in the event loop. At the end of the input the host serves on until it is ended.
    std::thread([&app, &host] {
        for (std::string line; std::getline(std::cin, line);) {
            const QString command = QString::fromStdString(line).trimmed();
            QMetaObject::invokeMethod(
                &app, [&host, command] { execute(host, command); }, Qt::QueuedConnection);
        }
    }).detach();
    report(QStringLiteral("ready %1").arg(host.handle(), 0, 16));
    return app.exec();
}
