#include "platform/controls/publishedevents.h"

const EventTable::Entry* EventTable::find(const QString& name) const {
    for (const Entry& e : FEntries)
        if (e.Name == name) return &e;
    return nullptr;
}

bool EventTable::contains(const QString& name) const {
    return find(name) != nullptr;
}

bool EventTable::bind(const QString& name, const std::any& handler) const {
    const Entry* e = find(name);
    return e && e->Assign(handler);
}

const std::any* HandlerTable::find(const QString& name) const {
    for (const auto& [n, handler] : FEntries)
        if (n == name) return &handler;
    return nullptr;
}
