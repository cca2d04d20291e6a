#include "platform/controls/publishedevents.h"

const TEventTable::Entry* TEventTable::Find(const QString& name) const {
    for (const Entry& e : FEntries)
        if (e.Name == name) return &e;
    return nullptr;
}

bool TEventTable::Contains(const QString& name) const {
    return Find(name) != nullptr;
}

bool TEventTable::Bind(const QString& name, const std::any& handler) const {
    const Entry* e = Find(name);
    return e && e->Assign(handler);
}

const std::any* THandlerTable::Find(const QString& name) const {
    for (const auto& [n, handler] : FEntries)
        if (n == name) return &handler;
    return nullptr;
}
