// The walk over published properties that translates a window and what it owns.
#include "localisation/rivazidad2000.h"

#include "platform/controls/collection.h"
#include "platform/controls/component.h"
#include "platform/controls/publishedproperties.h"

void TRivazidad2000::TranslateComponent(TComponentBase* component) {
    if (!component) return;
    TranslateObject(component->AsObject());
    // By index: ownership, not the widget tree, decides what is visited.
    for (int i = 0; i < component->ComponentCount(); ++i)
        TranslateComponent(component->Components()[static_cast<std::size_t>(i)]);
}

void TRivazidad2000::TranslateObject(QObject* object) {
    if (!object) return;
    if (FOnTranslateObject) {
        bool translate = true;
        FOnTranslateObject(this, object, translate);
        if (!translate) return;
    }
    for (const PublishedProperty& property : publishedProperties(*object)) {
        switch (property.Kind) {
        case PropertyKind::String:
            if (property.Name != QLatin1String("Name")) {
                const QString value = readStringProperty(*object, property);
                if (value.startsWith(FPrefix))
                    writeStringProperty(*object, property, translatePrefixed(value));
            }
            break;
        case PropertyKind::StringList:
            translateStringList(*object, property);
            break;
        case PropertyKind::Object:
            if (QObject* subObject = readObjectProperty(*object, property)) translateSubObject(*subObject);
            break;
        case PropertyKind::Other:
            break;
        }
    }
}

QString TRivazidad2000::translatePrefixed(const QString& text) {
    return Translate(text.mid(FPrefix.size()));
}

void TRivazidad2000::translateStringList(QObject& object, const PublishedProperty& property) {
    QStringList strings = readStringListProperty(object, property);
    bool changed = false;
    for (qsizetype i = strings.size() - 1; i >= 0; --i) {
        if (!strings[i].startsWith(FPrefix)) continue;
        strings[i] = translatePrefixed(strings[i]);
        changed = true;
    }
    // Written back only when something changed: setting a list may reset what depends on it.
    if (changed) writeStringListProperty(object, property, strings);
}

// Collections' items and the chart's scale settings; fonts, pens, pictures and references to other
// components are left alone.
void TRivazidad2000::translateSubObject(QObject& subObject) {
    if (const TCollection* collection = asCollection(subObject)) {
        for (int i = 0; i < collection->Count(); ++i)
            TranslateObject(collection->Items(i));
    } else if (isScaleProps(subObject)) {
        TranslateObject(&subObject);
    }
}
