// The component base of the library: every component has a name, an owner that frees it, an ordered
// list of the components it owns (creation order) and a loading state that lasts while a stored
// layout sets its properties. The owner is not the visual parent: a chart sits on a panel but is
// owned, freed and translated by its form.
//
// QObject-only components derive from TComponent; visual ones from TControl (a QWidget). Both share
// TComponentBase, which keeps the ownership bookkeeping apart from Qt's parent/child tree.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <vector>

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

private:
    void InsertComponent(TComponentBase* component);
    void RemoveComponent(TComponentBase* component);

    TComponentBase* FOwner;
    std::vector<TComponentBase*> FComponents;
    bool FLoading = false;
};

class TComponent : public QObject, public TComponentBase {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
public:
    explicit TComponent(TComponentBase* owner);

    QObject* AsObject() override { return this; }
};

class TControl : public QWidget, public TComponentBase {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TControl(TComponentBase* owner, QWidget* parent = nullptr);

    QObject* AsObject() override { return this; }

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    bool Visible() const { return FVisible; }
    void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
    void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
    void SetVisible(bool value);
    // Every change of position or size passes here, so that controls can enforce minimum sizes.
    virtual void SetBounds(int left, int top, int width, int height);

private:
    // The stored flag, independent of whether the parent is shown yet.
    bool FVisible = true;
};
