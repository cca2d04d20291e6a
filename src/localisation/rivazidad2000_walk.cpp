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
                const QStringList texts = translateTexts(*object, property, {value});
                if (texts.front() != value) writeStringProperty(*object, property, texts.front());
            }
            break;
        case PropertyKind::StringList: {
            const QStringList strings = readStringListProperty(*object, property);
            const QStringList texts = translateTexts(*object, property, strings);
            // Written back only when something changed: setting a list may reset what depends on it.
            if (texts != strings) writeStringListProperty(*object, property, texts);
            break;
        }
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

// The texts as they were before an earlier walk translated them, while they still read as written.
QStringList TRivazidad2000::keysOf(const QObject& object, const PublishedProperty& property,
                                   const QStringList& texts) const {
    const auto kept = FKept.constFind(&object);
    if (kept == FKept.cend()) return texts;
    const auto entry = kept->constFind(property.Name);
    return entry != kept->cend() && entry->Written == texts ? entry->Keys : texts;
}

QStringList TRivazidad2000::translateTexts(const QObject& object, const PublishedProperty& property,
                                           const QStringList& texts) {
    const QStringList keys = keysOf(object, property, texts);
    QStringList translated = keys;
    bool prefixed = false;
    // A list from its last text to its first, as the lookups have always come.
    for (qsizetype i = translated.size() - 1; i >= 0; --i) {
        if (!translated[i].startsWith(FPrefix)) continue;
        translated[i] = translatePrefixed(translated[i]);
        prefixed = true;
    }
    if (prefixed) FKept[&object][property.Name] = {keys, translated};
    return translated;
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
