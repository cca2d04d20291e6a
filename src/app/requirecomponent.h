// Finds a component of a window's stored layout by name. The layout is part of the program, so a
// missing or mistyped component is a fault of the build: it is reported by name in every build.
#pragma once

#include "platform/controls/component.h"
#include "platform/controls/exceptions.h"

template <class T> T* requireComponent(const TComponentBase& owner, const char* name) {
    TComponentBase* found = owner.FindComponent(QLatin1String(name));
    if (!found)
        throw Exception(
            QStringLiteral("Component \"%1\" is missing from the layout").arg(QLatin1String(name)));
    auto* typed = dynamic_cast<T*>(found);
    if (!typed)
        throw Exception(QStringLiteral("Component \"%1\" in the layout is a %2, not a %3")
                            .arg(QLatin1String(name),
                                 QLatin1String(found->AsObject()->metaObject()->className()),
                                 QLatin1String(T::staticMetaObject.className())));
    return typed;
}
