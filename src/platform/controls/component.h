// The component base of the library: every component has a name, an owner that frees it, an ordered
// list of the components it owns (creation order) and a loading state that lasts while a stored
// layout sets its properties. The owner is not the visual parent: a chart sits on a panel but is
// owned, freed and translated by its form.
//
// QObject-only components derive from TComponent; visual ones from TControl (control.h, a QWidget).
// Both share TComponentBase, which keeps the ownership bookkeeping apart from Qt's parent/child tree.
#pragma once

#include "platform/controls/publishedevents.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// The parameter list of most events: the component that raised it.
using TNotifyEvent = std::function<void(QObject* Sender)>;

class TComponentBase {
public:
    explicit TComponentBase(TComponentBase* owner);
    virtual ~TComponentBase();
    TComponentBase(const TComponentBase&) = delete;
    TComponentBase& operator=(const TComponentBase&) = delete;

    TComponentBase* Owner() const { return FOwner; }
    const std::vector<TComponentBase*>& Components() const { return FComponents; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponentBase* FindComponent(const QString& name) const;

    QString Name() const;
    void SetName(const QString& name);

    bool IsLoading() const { return FLoading; }
    // Entered by the layout reader before the first property is set.
    void BeginLoading() { FLoading = true; }
    // Called once the whole layout has been read; overrides call the base first.
    virtual void Loaded();

    // The QObject face of the component: what reflection (layouts, translation) works on.
    virtual QObject* AsObject() = 0;
    const QObject* AsObject() const { return const_cast<TComponentBase*>(this)->AsObject(); }

    // The events a stored layout can bind by name (`OnClick = Handler`).
    const EventTable& PublishedEvents() const { return FEvents; }

protected:
    template <class Signature> void PublishEvent(const QString& name, std::function<Signature>* field) {
        FEvents.add(name, field);
    }

private:
    void insertComponent(TComponentBase* component);
    void removeComponent(TComponentBase* component);

    TComponentBase* FOwner;
    std::vector<TComponentBase*> FComponents;
    bool FLoading = false;
    EventTable FEvents;
};

class TComponent : public QObject, public TComponentBase {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
public:
    explicit TComponent(TComponentBase* owner);

    QObject* AsObject() override { return this; }
};
