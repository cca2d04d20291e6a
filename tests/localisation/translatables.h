// Small components with the kinds of published properties the translator walks.
#pragma once

#include "platform/controls/collection.h"
#include "platform/controls/component.h"

#include <QStringList>

// An item of a collection.
class TTextItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
public:
    QString Title() const { return FTitle; }
    void SetTitle(const QString& value) { FTitle = value; }

private:
    QString FTitle;
};

// Texts of every kind; Other is a sub-object that is neither a collection nor scale settings, and
// Partner a reference to another component.
class TTextHolder : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Fixed READ Fixed)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(int Number READ Number)
    Q_PROPERTY(TCollection* Entries READ Entries)
    Q_PROPERTY(TTextItem* Other READ Other)
    Q_PROPERTY(TTextHolder* Partner READ Partner)
public:
    explicit TTextHolder(TComponentBase* owner, TTextHolder* partner = nullptr)
        : TComponent(owner), FPartner(partner) {}

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value) {
        FCaption = value;
        ++FCaptionWrites;
    }
    QString Fixed() const { return QStringLiteral("BF_Exit"); }
    QStringList Lines() const { return FLines; }
    void SetLines(const QStringList& value) {
        FLines = value;
        ++FLinesWrites;
    }
    int Number() const { return 7; }
    TCollection* Entries() { return &FEntries; }
    TTextItem* Other() { return &FOther; }
    TTextHolder* Partner() const { return FPartner; }

    int CaptionWrites() const { return FCaptionWrites; }
    int LinesWrites() const { return FLinesWrites; }

private:
    QString FCaption;
    QStringList FLines;
    TCollection FEntries;
    TTextItem FOther;
    TTextHolder* FPartner;
    int FCaptionWrites = 0;
    int FLinesWrites = 0;
};
