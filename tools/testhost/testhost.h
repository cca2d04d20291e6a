// The stand-in host: owns the server's link window and answers every request with an mcReply to
// the asking window before its send returns. It knows the programs that registered, serves files
// from one folder, a few variables and texts, starts programs, and sends mcQuit on demand. What
// happens is reported on one line each to a listener (the test or the console).
#pragma once

#include "hostlink/entity.h"
#include "hostwindow.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

struct TestHostOptions {
    QString HandleText = QStringLiteral("1");
    QString FilesDirectory;            // served by mcGetFile; empty: no files
    QHash<QString, QString> Variables; // answers of mcQueryVariable
    QHash<QString, QString> Texts;     // answers of mcQueryText; others are answered unchanged
};

class TestHost {
public:
    using Report = std::function<void(const QString& line)>;

    // Fails (empty error message aside) when the link window cannot be created.
    TestHost(TestHostOptions options, Report report);
    bool isOpen() const { return FWindow.isOpen(); }
    LinkHandle handle() const { return FWindow.handle(); }

    // Sends mcQuit to a program's window; the window's result or -1 when it could not be reached.
    int sendQuit(LinkHandle target, bool serverDown);
    // Sends count mcParams to a program's window as fast as it takes them, the i-th (from 1) with
    // the lines "soak" and i, so that the receiver can tell loss and order; the number delivered.
    int sendParams(LinkHandle target, int count);
    // The next reply carries a time stamp other than its request's.
    void stampNextReplyWrongly() { FWindow.stampNextReplyWrongly(); }

private:
    void receive(LinkHandle from, std::unique_ptr<TLernavoMessageStream> request);
    void answer(TLernavoMessageStream& request, TLernavoMessageStream& reply);
    void answerEntityQuery(TLernavoMessageStream& request, TLernavoMessageStream& reply);
    void answerFile(TLernavoMessageStream& request, TLernavoMessageStream& reply);
    void answerExecute(TLernavoMessageStream& request, TLernavoMessageStream& reply);
    void track(TLernavoMessageStream& request, bool registering);

    TestHostOptions FOptions;
    Report FReport;
    HostWindow FWindow;
    std::vector<std::unique_ptr<TEntity>> FRegistered;
};
