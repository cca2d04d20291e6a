// Events and handlers bound by name, as stored layouts do with `OnClick = CBox1PointClick`.
//
// A component publishes each event as a pointer to its std::function field (EventTable); a form
// publishes each handler as a callable made from one of its member functions (HandlerTable). A
// binding succeeds only when the handler's signature is exactly the event's, so a handler with the
// wrong parameter list is refused when the layout is read rather than misbehaving when it fires.
#pragma once

#include <QString>

#include <any>
#include <functional>
#include <utility>
#include <vector>

class EventTable {
public:
    template <class Signature> void add(const QString& name, std::function<Signature>* field) {
        FEntries.push_back({name, [field](const std::any& handler) {
                                const auto* callable = std::any_cast<std::function<Signature>>(&handler);
                                if (callable) *field = *callable;
                                return callable != nullptr;
                            }});
    }

    bool contains(const QString& name) const;
    // Assigns the handler to the named event; false when there is no such event or the signature differs.
    bool bind(const QString& name, const std::any& handler) const;

private:
    struct Entry {
        QString Name;
        std::function<bool(const std::any&)> Assign;
    };
    const Entry* find(const QString& name) const;

    std::vector<Entry> FEntries;
};

class HandlerTable {
public:
    template <class Object, class Result, class... Args>
    void add(const QString& name, Object* object, Result (Object::*method)(Args...)) {
        std::function<Result(Args...)> callable = [object, method](Args... args) {
            return (object->*method)(std::forward<Args>(args)...);
        };
        FEntries.emplace_back(name, std::any(std::move(callable)));
    }

    // The handler published under this name, or null.
    const std::any* find(const QString& name) const;

private:
    std::vector<std::pair<QString, std::any>> FEntries;
};
