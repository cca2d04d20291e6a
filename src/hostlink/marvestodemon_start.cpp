// The link's start: the host's window, the command line, and the end of loading (register,
// language file, translation, single copy).
#include "hostlink/marvestodemon.h"

#include "hostlink/messagecodes.h"
#include "localisation/languagefilename.h"
#include "localisation/programlanguagefile.h"
#include "localisation/rivazidad2000.h"
#include "platform/system/linkrecord.h"
#include "platform/system/linkwindow.h"
#include "platform/system/namedmutex.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const QString kServerHandlePrefix = QStringLiteral("/serverhandle=");
bool gSingleCopyCheck = true;

// The program named at the start of a sentence.
QString notRespondingText(const QString& title) {
    QString name = title;
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name + QStringLiteral(" is already running but does not respond");
}

} // namespace

QString serverWindowClassName(const QString& handleText) {
    return QStringLiteral("ThisIsTheLernavoServerComponentWindowClass") + handleText;
}

QString serverWindowTitle(const QString& handleText) {
    return QStringLiteral("ThisIsTheLernavoServerComponentWindow") + handleText;
}

QString serverHandleText(const QString& settingsValue, const QStringList& arguments) {
    if (!settingsValue.isEmpty() && settingsValue != QLatin1String("00000000")) return settingsValue;
    QString handleText = settingsValue;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString lower = arguments[i].toLower();
        if (lower.startsWith(kServerHandlePrefix)) handleText = lower.mid(kServerHandlePrefix.size());
    }
    return handleText;
}

QStringList paramsWithoutServerHandle(const QStringList& arguments) {
    QStringList params;
    for (const QString& argument : arguments)
        if (!argument.startsWith(kServerHandlePrefix)) params.append(argument);
    return params;
}

int TkdbCustomDemon::ParamCount() const {
    return static_cast<int>(FParams.size()) - 1;
}

QString TkdbCustomDemon::ParamStr(int Index) const {
    if (Index == 0) return QCoreApplication::applicationFilePath();
    if (Index < 1 || Index > ParamCount())
        throw ELernavo(QStringLiteral("Illegal \"ParamStr\" parameter: %1").arg(Index));
    return FParams[Index];
}

void TkdbCustomDemon::SetSingleCopyCheck(bool enabled) {
    gSingleCopyCheck = enabled;
}

void TkdbCustomDemon::Loaded() {
    connectToServer();
    LoadLanguageFile();
    if (FAutoTranslate && Owner()) FDictionary->TranslateComponent(Owner());
    if (!FMultiStart && gSingleCopyCheck) ensureSingleInstance();
    TComponent::Loaded();
}

void TkdbCustomDemon::connectToServer() {
    if (!FUseMarvestoServer) return;
    if (FServerEntity->WindowHandle() == 0)
        throw ELernavo(QStringLiteral("Lernavo server application is not running"));
    sendOwnEntity(mcRegister);
}

void TkdbCustomDemon::LoadLanguageFile() {
    if (FUseMarvestoServer) {
        const QString program = QCoreApplication::applicationFilePath();
        if (const std::unique_ptr<QIODevice> stream = GetFileStream(languageFileName(QueryFileName(program))))
            FDictionary->LoadFromStream(*stream);
        return;
    }
    // Beside the program when it runs from its folder; installed, from the user's or the package's.
    // A file that cannot be read is passed over, and the user told so.
    loadProgramLanguageFile(*FDictionary);
}

// The copy that holds the lock: as the host knows it, else by the link window of the process that
// wrote its id into the lock; none when neither finds it.
std::unique_ptr<TEntity> TkdbCustomDemon::findRunningCopy() {
    try {
        if (std::unique_ptr<TEntity> known = FindEntityByTitle(FOwnEntity->GetTitle())) return known;
    } catch (const EReadError& e) {
        throw ELernavo(
            QStringLiteral(
                "Another copy of the program is running, but the host's answer about it cannot be read (%1)")
                .arg(e.Message()));
    }
    const LinkHandle window =
        findLinkWindowOfProcess(GetWindowClassName(), NamedMutex::holder(FOwnEntity->MutexName()));
    if (window == 0) return nullptr;
    auto copy = std::make_unique<TEntity>(this);
    copy->SetWindowHandle(window);
    return copy;
}

// Taking the lock is one atomic step: of two copies started together exactly one runs. The second
// hands its command line to the first, which brings its window to the front.
void TkdbCustomDemon::ensureSingleInstance() {
    NamedMutex::Attempt attempt = NamedMutex::tryAcquire(FOwnEntity->MutexName());
    if (attempt.Result == NamedMutex::State::Acquired) {
        FMutex = std::move(attempt.Mutex);
        FOwnEntity->SetMutexHandle(FMutex->handle());
    }
    // Without a usable lock directory the copy cannot tell and runs.
    if (attempt.Result != NamedMutex::State::HeldElsewhere) return;
    const std::unique_ptr<TEntity> first = findRunningCopy();
    TLernavoMessageStream msg(this);
    msg.SetMsgCode(mcParams);
    msg.WriteLines(FParams);
    if (!first || !SendMsg(*first, msg, nullptr)) throw ELernavo(notRespondingText(FOwnEntity->GetTitle()));
    FWindow.reset(); // nobody should find the window of a process that is about to end
    throw EHandedOver(QStringLiteral("handed over to the running copy"));
}
