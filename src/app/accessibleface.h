// What assistive technology sees of widgets that draw themselves (the dot-matrix read-outs, the
// chart): a role, a name, a value and a description, read afresh on every query so that they
// follow translation and every update.
#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

struct AccessibleFace {
    QAccessible::Role Role = QAccessible::StaticText;
    std::function<QString()> Name;
    std::function<QString()> Value;
    std::function<QString()> Description;
};

// Gives `widget` this face in place of the one Qt would make; call it before anything asks for
// the widget's accessible interface, which Qt then keeps.
void setAccessibleFace(QWidget* widget, AccessibleFace face);

// Where change announcements go: to Qt's accessibility (which passes them on only while an
// assistive technology listens) unless a handler is set; an empty handler restores that.
using AnnounceHandler = std::function<void(QAccessibleEvent* event)>;
void setAnnounceHandler(AnnounceHandler handler);
// Tells assistive technology that the widget's value, or its description, has changed.
void announceValueChange(QWidget* widget);
void announceDescriptionChange(QWidget* widget);
