// The host link: the non-visual component that connects a program to the host textbook
// application. It owns a hidden link window through which all messages enter, finds the host's
// window, registers with it, keeps a single copy of the program running (passing a second copy's
// command line to the first), loads the language file into its dictionary and translates its owner
// window, and sends requests to the host.
//
// TkdbCustomDemon holds what every link does (sending with reply matching, receiving, dispatch,
// command line, start and end); TkdbDemonClient is the program's side and asks the host.
#pragma once

#include "hostlink/entity.h"
#include "hostlink/lernavomessagestream.h"
#include "platform/controls/component.h"
#include "platform/controls/exceptions.h"

#include <QIODevice>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class LinkWindow;
class NamedMutex;
class TRivazidad2000;
struct LinkFrame;

// The largest parameter message taken: the system's usual limit for a command line and its
// environment together, so no second copy can need more.
constexpr qint64 kMaxParamsSize = 2 * 1024 * 1024;

class ELernavo : public Exception {
public:
    using Exception::Exception;
};

// Raised by a second copy once the first has taken its command line: the program block ends the
// process, successfully.
class EHandedOver : public Exception {
public:
    using Exception::Exception;
};

using TGotAMessageEvent = std::function<void(QObject* Sender, TLernavoMessageStream& Msg)>;
using TOnQuitMsgReceived = std::function<void(QObject* Sender, bool ServerDown, bool& AllowQuit)>;

class TkdbCustomDemon : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool AutoTranslate READ AutoTranslate WRITE SetAutoTranslate)
    Q_PROPERTY(bool AutoCreateItlFile READ AutoCreateItlFile WRITE SetAutoCreateItlFile)
    Q_PROPERTY(bool MultiStart READ MultiStart WRITE SetMultiStart)
    Q_PROPERTY(bool UseMarvestoServer READ UseMarvestoServer WRITE SetUseMarvestoServer)
public:
    // arguments: the command line, program path first.
    TkdbCustomDemon(TComponentBase* owner, const QStringList& arguments);
    // Removes the window, releases the mutex, frees the dictionary and tells the application to
    // terminate.
    ~TkdbCustomDemon() override;

    // Registers, loads the language file, translates the owner and ensures a single copy; a second
    // copy hands its command line to the first (found through the host, else through the lock) and
    // raises EHandedOver, or raises ELernavo when the first copy cannot be reached or does not take
    // it within the link's time limit.
    void Loaded() override;
    // Whether the links of this process take part in the single-copy check (they do unless told
    // otherwise). A process that only renders a picture of its window is no copy of the program:
    // it neither holds the lock nor hands over to a running copy.
    static void SetSingleCopyCheck(bool enabled);

    bool AutoTranslate() const { return FAutoTranslate; }
    void SetAutoTranslate(bool value) { FAutoTranslate = value; }
    bool AutoCreateItlFile() const;
    void SetAutoCreateItlFile(bool value);
    bool MultiStart() const { return FMultiStart; }
    void SetMultiStart(bool value) { FMultiStart = value; }
    bool UseMarvestoServer() const { return FUseMarvestoServer; }
    void SetUseMarvestoServer(bool value) { FUseMarvestoServer = value; }

    TEntity& ServerEntity() { return *FServerEntity; }
    TEntity& OwnEntity() { return *FOwnEntity; }
    bool ServerDown() const { return FServerDown; }
    TRivazidad2000& Dictionary() { return *FDictionary; }
    // The dictionary's translation of key, without arguments.
    QString Translate(const QString& key);
    // Replaces the dictionary's entries by those of the language file found now (from the host, or
    // the first of the program's files); Loaded does it at start, a change of language again.
    void LoadLanguageFile();

    const QStringList& Params() const { return FParams; }
    int ParamCount() const;
    // The executable's full path for 0, Params[Index] for 1..ParamCount.
    QString ParamStr(int Index) const;
    // Replies that arrived and were not claimed by their request.
    int PendingReplyCount() const { return static_cast<int>(FPendingReplies.size()); }

    void SetOnGotAMessage(TGotAMessageEvent handler) { FOnGotAMessage = std::move(handler); }
    void SetOnQuitMsgReceived(TOnQuitMsgReceived handler) { FOnQuitMsgReceived = std::move(handler); }
    void SetOnParamsChange(TNotifyEvent handler) { FOnParamsChange = std::move(handler); }

    // Sends msg to target and waits until it has been processed, serving incoming messages
    // meanwhile; reply (if given) then holds the answer with msg's time stamp, or stays empty.
    // False when the target did not take the message: absent, gone, or no answer within the
    // link's time limit.
    bool SendMsg(TEntity& target, TLernavoMessageStream& msg, TLernavoMessageStream* reply);
    // Handles quit, reply and parameter messages; may take the message (moving it out). A reply is
    // kept only while a request with its time stamp waits for it, and only the first; a parameter
    // message larger than kMaxParamsSize is dropped.
    virtual void ProcessMessage(std::unique_ptr<TLernavoMessageStream>& Msg);

    virtual QString GetWindowClassName() const = 0;
    virtual QString GetWindowTitle() const = 0;
    virtual std::unique_ptr<TEntity> FindEntityByTitle(const QString& title) = 0;
    virtual std::unique_ptr<TEntity> FindEntityByHandle(LinkHandle handle) = 0;
    virtual qint32 ExecuteProgram(const QString& file, const QString& parameters, bool wait,
                                  qint32 option) = 0;
    virtual std::unique_ptr<QIODevice> GetFileStream(const QString& name) = 0;
    virtual QString QueryFileName(const QString& text) = 0;
    virtual QString QueryText(const QString& text) = 0;
    virtual QString QueryVariable(const QString& name) = 0;

protected:
    // Sends mcUnregister with the own entity unless the host is going down. The client's part of
    // the teardown: the entity may still need the client's requests.
    void Unregister();
    // Creates the hidden link window; called by the most derived constructor, once the class name
    // and title overrides are in place.
    void OpenLinkWindow();

private:
    qint32 receive(LinkFrame frame);
    void handleQuit(TLernavoMessageStream& msg);
    bool awaited(LinkTimeStamp stamp) const;
    void sendOwnEntity(qint32 msgCode);
    void connectToServer();
    void ensureSingleInstance();
    std::unique_ptr<TEntity> findRunningCopy();

    std::unique_ptr<TEntity> FServerEntity;
    TGotAMessageEvent FOnGotAMessage;
    TOnQuitMsgReceived FOnQuitMsgReceived;
    std::vector<std::unique_ptr<TLernavoMessageStream>> FPendingReplies;
    std::vector<LinkTimeStamp> FWaiting; // the requests being sent, outermost first
    LinkTimeStamp FLastStamp;            // of the last request sent
    QStringList FParams;
    TNotifyEvent FOnParamsChange;
    std::unique_ptr<TEntity> FOwnEntity;
    bool FServerDown = false;
    std::unique_ptr<TRivazidad2000> FDictionary;
    bool FAutoTranslate = true;
    bool FMultiStart = false;
    bool FUseMarvestoServer = true;
    std::unique_ptr<LinkWindow> FWindow;
    std::unique_ptr<NamedMutex> FMutex;
};

class TkdbDemonClient : public TkdbCustomDemon {
    Q_OBJECT
public:
    explicit TkdbDemonClient(TComponentBase* owner);
    TkdbDemonClient(TComponentBase* owner, const QStringList& arguments);
    // Unregisters from the host, then the link is torn down.
    ~TkdbDemonClient() override;

    QString GetWindowClassName() const override;
    QString GetWindowTitle() const override;
    std::unique_ptr<TEntity> FindEntityByTitle(const QString& title) override;
    std::unique_ptr<TEntity> FindEntityByHandle(LinkHandle handle) override;
    // The started program's process id, or with wait its exit code once it has ended.
    qint32 ExecuteProgram(const QString& file, const QString& parameters, bool wait, qint32 option) override;
    std::unique_ptr<QIODevice> GetFileStream(const QString& name) override;
    QString QueryFileName(const QString& text) override;
    QString QueryText(const QString& text) override;
    // Without the host, "MarvestoWorkArea" and "MarvestoHomeDir" are the program's directory.
    QString QueryVariable(const QString& name) override;

private:
    std::unique_ptr<TLernavoMessageStream> request(qint32 msgCode,
                                                   const std::function<void(TLernavoMessageStream&)>& fill);
    std::unique_ptr<TEntity> queryEntity(const std::function<void(TLernavoMessageStream&)>& fill);
};

// The host's window: class name and title, each followed by the handle text.
QString serverWindowClassName(const QString& handleText);
QString serverWindowTitle(const QString& handleText);
// The handle text: the settings value, or when it is empty or "00000000" the rest of the last
// argument after "/serverhandle=" (prefix in any letter case), lower-cased.
QString serverHandleText(const QString& settingsValue, const QStringList& arguments);
// The command line without the host's argument (prefix "/serverhandle=" exactly as written).
QStringList paramsWithoutServerHandle(const QStringList& arguments);
