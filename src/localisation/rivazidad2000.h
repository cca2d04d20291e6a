// TRivazidad2000: the translation dictionary. It reads one ".itl" language file, answers lookups
// (Translate) and walks a window and everything it owns (TranslateComponent), replacing every
// published text that begins with the prefix "BF_" by its translation, or by the text without the
// prefix where the file has none. Missing keys and unreadable files are no error. The dictionary
// remembers the keys of the texts it replaced, so that a walk after another file was loaded
// translates them anew from their keys; a text the program has set since is taken as it is.
//
// With the collect flag set, keys asked for and not found are collected, and on destruction a
// language file is written to the current folder: the collected keys, each as its own text, then
// every loaded entry, ready to be translated, in the encoding of the file that was loaded. A failure
// to write it is reported to the user and the program goes on closing.
#pragma once

#include "localisation/languagefileencoding.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QObject;
class TComponentBase;
struct PublishedProperty;

class TRivazidad2000 {
public:
    // Called after a successful lookup with the key as passed; may change the text returned.
    using TTranslatedEvent = std::function<void(TRivazidad2000* Sender, const QString& key, QString& text)>;
    // Called before an object's properties are translated; clearing translate skips them.
    using TTranslateObjectEvent =
        std::function<void(TRivazidad2000* Sender, QObject* object, bool& translate)>;

    // AppName replaces "<%APPNAME%>" in the values read.
    explicit TRivazidad2000(const QString& AppName);
    // Writes the collected file when the collect flag is set.
    ~TRivazidad2000();
    TRivazidad2000(const TRivazidad2000&) = delete;
    TRivazidad2000& operator=(const TRivazidad2000&) = delete;

    // Replaces all entries by those of a seekable stream, read from position 0.
    void LoadFromStream(QIODevice& stream);

    // The value of key (letter case ignored), or key itself when there is none; "<%j%>" becomes
    // arguments[j-1] in either.
    QString Translate(const QString& key, const QStringList& arguments = {});
    // The component and, recursively, every component it owns.
    void TranslateComponent(TComponentBase* component);
    // The published texts of one object: strings (except Name), string lists, collections' items
    // and the chart's scale settings.
    void TranslateObject(QObject* object);

    bool Collect() const { return FCollect; }
    void SetCollect(bool value) { FCollect = value; }
    QString Prefix() const { return FPrefix; }
    QString AppName() const { return FAppName; }

    void SetOnTranslated(TTranslatedEvent handler) { FOnTranslated = std::move(handler); }
    void SetOnTranslateObject(TTranslateObjectEvent handler) { FOnTranslateObject = std::move(handler); }

    const QStringList& Keys() const { return FKeys; }
    const QStringList& Values() const { return FValues; }
    // The encoding of the file loaded last (Windows-1252 before any).
    LanguageFileEncoding Encoding() const { return FEncoding; }
    // Language-file lines for the missing keys, in the order first asked for.
    const QStringList& Collected() const { return FCollected; }

private:
    void collectMissing(const QString& key);
    QString translatePrefixed(const QString& text);
    QStringList keysOf(const QObject& object, const PublishedProperty& property,
                       const QStringList& texts) const;
    QStringList translateTexts(const QObject& object, const PublishedProperty& property,
                               const QStringList& texts);
    void translateSubObject(QObject& subObject);
    void writeCollected();

    TTranslatedEvent FOnTranslated;
    TTranslateObjectEvent FOnTranslateObject;
    QStringList FKeys;
    QStringList FValues;
    LanguageFileEncoding FEncoding = LanguageFileEncoding::Windows1252;
    QString FPrefix;
    QStringList FCollected;
    bool FCollect = false;
    QString FAppName;
    // Per object and property: the texts as they were before the walk translated them, and as written.
    struct KeptTexts {
        QStringList Keys;
        QStringList Written;
    };
    QHash<const QObject*, QHash<QString, KeptTexts>> FKept;
};
