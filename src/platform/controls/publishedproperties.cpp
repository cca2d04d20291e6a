#include "platform/controls/publishedproperties.h"

#include "platform/controls/collection.h"

#include <QMetaProperty>
#include <QWidget>

namespace {

bool isQtBase(const QMetaObject* meta) {
    return meta == &QObject::staticMetaObject || meta == &QWidget::staticMetaObject;
}

// The index of the first property declared below Qt's own base classes.
int firstPublishedIndex(const QMetaObject* meta) {
    while (meta && !isQtBase(meta))
        meta = meta->superClass();
    return meta ? meta->propertyCount() : 0;
}

PropertyKind kindOf(const QMetaProperty& property) {
    const QMetaType type = property.metaType();
    if (type.id() == QMetaType::QString) return PropertyKind::String;
    if (type.id() == QMetaType::QStringList) return PropertyKind::StringList;
    if (type.flags().testFlag(QMetaType::PointerToQObject)) return PropertyKind::Object;
    return PropertyKind::Other;
}

QMetaProperty metaProperty(const QObject& object, const PublishedProperty& property) {
    return object.metaObject()->property(property.Index);
}

} // namespace

std::vector<PublishedProperty> publishedProperties(const QObject& object) {
    const QMetaObject* meta = object.metaObject();
    std::vector<PublishedProperty> result;
    for (int i = firstPublishedIndex(meta); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        result.push_back({QString::fromLatin1(property.name()), kindOf(property), i});
    }
    return result;
}

QString readStringProperty(const QObject& object, const PublishedProperty& property) {
    return metaProperty(object, property).read(&object).toString();
}

QStringList readStringListProperty(const QObject& object, const PublishedProperty& property) {
    return metaProperty(object, property).read(&object).toStringList();
}

QObject* readObjectProperty(const QObject& object, const PublishedProperty& property) {
    return metaProperty(object, property).read(&object).value<QObject*>();
}

bool writeStringProperty(QObject& object, const PublishedProperty& property, const QString& value) {
    return metaProperty(object, property).write(&object, value);
}

bool writeStringListProperty(QObject& object, const PublishedProperty& property, const QStringList& value) {
    return metaProperty(object, property).write(&object, value);
}

bool inheritsClass(const QObject& object, const char* className) {
    for (const QMetaObject* meta = object.metaObject(); meta; meta = meta->superClass())
        if (qstrcmp(meta->className(), className) == 0) return true;
    return false;
}

bool isScaleProps(const QObject& object) {
    return inheritsClass(object, "TScaleProps");
}

const TCollection* asCollection(const QObject& object) {
    return qobject_cast<const TCollection*>(&object);
}
