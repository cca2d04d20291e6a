// Finds a component of a window's stored layout by name. The layout is part of the program, so a
// missing or mistyped component is a fault of the build: it is reported by name in every build.
#pragma once

#include "platform/controls/component.h"
#include "platform/controls/exceptions.h"

template <class T> T* requireComponent(const TComponentBase& owner, const char* name) {
    auto* found = dynamic_cast<T*>(owner.FindComponent(QLatin1String(name)));
    if (!found)
        throw Exception(QStringLiteral("%1: the layout has no component \"%2\" of the expected class")
                            .arg(owner.Name(), QLatin1String(name)));
    return found;
}
