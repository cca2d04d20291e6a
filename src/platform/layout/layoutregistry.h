// The classes a stored layout can name. Every library registers its own components here (the chart
// library its chart, the widgets library its widgets, ...) before a layout that uses them is read;
// the standard controls of this library are registered on first use.
#pragma once

#include "platform/controls/component.h"

#include <QString>

#include <functional>
#include <type_traits>

// Creates a component with the form as owner; visual components take parent as their parent widget.
using ComponentFactory = std::function<TComponentBase*(TComponentBase* owner, QWidget* parent)>;

// Registers (or replaces) the factory for className.
void registerComponentClass(const QString& className, ComponentFactory factory);

// The usual factory: T(owner, parent) for controls, T(owner) for non-visual components.
template <class T> void registerComponentClass(const QString& className) {
    if constexpr (std::is_base_of_v<QWidget, T>)
        registerComponentClass(className,
                               [](TComponentBase* owner, QWidget* parent) { return new T(owner, parent); });
    else
        registerComponentClass(className, [](TComponentBase* owner, QWidget*) { return new T(owner); });
}

// The factory registered for className, or an empty function.
ComponentFactory findComponentClass(const QString& className);
