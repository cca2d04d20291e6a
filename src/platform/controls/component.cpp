#include "platform/controls/component.h"

#include <algorithm>

TComponentBase::TComponentBase(TComponentBase* owner) : FOwner(owner) {
    if (FOwner) FOwner->insertComponent(this);
}

TComponentBase::~TComponentBase() {
    // Free owned components last-created first; each one unlinks itself from this list.
    while (!FComponents.empty())
        delete FComponents.back();
    if (FOwner) FOwner->removeComponent(this);
}

TComponentBase* TComponentBase::FindComponent(const QString& name) const {
    for (TComponentBase* c : FComponents)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0) return c;
    return nullptr;
}

QString TComponentBase::Name() const {
    return AsObject()->objectName();
}

void TComponentBase::SetName(const QString& name) {
    AsObject()->setObjectName(name);
}

void TComponentBase::Loaded() {
    FLoading = false;
}

void TComponentBase::insertComponent(TComponentBase* component) {
    FComponents.push_back(component);
}

void TComponentBase::removeComponent(TComponentBase* component) {
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
}

TComponent::TComponent(TComponentBase* owner) : QObject(nullptr), TComponentBase(owner) {}
