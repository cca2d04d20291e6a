// Reflection of published properties on Qt's meta-object system. The published properties of an
// object are the Q_PROPERTYs its own classes declare, inherited ones first, in declaration order;
// those of Qt's QObject and QWidget (objectName, windowTitle, ...) are not published.
//
// Sub-objects are object-valued properties; a string list is a QStringList-valued property.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

enum class PropertyKind { String, StringList, Object, Other };

struct PublishedProperty {
    QString Name;
    PropertyKind Kind;
    // The index in the object's meta-object.
    int Index;
};

std::vector<PublishedProperty> publishedProperties(const QObject& object);

QString readStringProperty(const QObject& object, const PublishedProperty& property);
QStringList readStringListProperty(const QObject& object, const PublishedProperty& property);
// A null reference reads as nullptr.
QObject* readObjectProperty(const QObject& object, const PublishedProperty& property);
// False when the property is read-only or refuses the value.
bool writeStringProperty(QObject& object, const PublishedProperty& property, const QString& value);
bool writeStringListProperty(QObject& object, const PublishedProperty& property, const QStringList& value);

// Whether the object's class is className or derives from it (through the meta-object, so callers
// need not link the library that defines the class).
bool inheritsClass(const QObject& object, const char* className);
// The chart's group of scale settings (TScaleProps and its horizontal and vertical kinds).
bool isScaleProps(const QObject& object);
class TCollection;
// The object as a collection (collection.h), or nullptr when it is none.
const TCollection* asCollection(const QObject& object);
