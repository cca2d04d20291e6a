#include "platform/controls/collection.h"
#include "platform/controls/publishedproperties.h"
#include "platform/controls/stdctrls.h"

#include "../qstringprinter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList names(const std::vector<PublishedProperty>& properties) {
    QStringList result;
    for (const PublishedProperty& p : properties)
        result.append(p.Name);
    return result;
}

const PublishedProperty& find(const std::vector<PublishedProperty>& properties, const char* name) {
    for (const PublishedProperty& p : properties)
        if (p.Name == QLatin1String(name)) return p;
    throw std::runtime_error(name);
}

TEST(PublishedProperties, AreTheOwnClassesInDeclarationOrderInheritedFirst) {
    TComboBox combo(nullptr);
    const QStringList listed = names(publishedProperties(combo));
    // Qt's own properties (objectName, windowTitle, toolTip, ...) are not published.
    EXPECT_EQ(listed.first(), QStringLiteral("Name"));
    EXPECT_FALSE(listed.contains(QStringLiteral("objectName")));
    EXPECT_FALSE(listed.contains(QStringLiteral("windowTitle")));
    EXPECT_EQ(listed.mid(listed.indexOf(QStringLiteral("Visible"))),
              (QStringList{"Visible", "Style", "ItemHeight", "Items", "ItemIndex", "Text"}));
    TCollection collection;
    EXPECT_TRUE(publishedProperties(collection).empty());
}

struct KindCase {
    const char* name;
    PropertyKind kind;
};

TEST(PublishedProperties, HaveTheirKind) {
    TComboBox combo(nullptr);
    const auto properties = publishedProperties(combo);
    const KindCase cases[] = {{"Name", PropertyKind::String},     {"Hint", PropertyKind::String},
                              {"Text", PropertyKind::String},     {"Items", PropertyKind::StringList},
                              {"Font", PropertyKind::Object},     {"Constraints", PropertyKind::Object},
                              {"Left", PropertyKind::Other},      {"Align", PropertyKind::Other},
                              {"ItemIndex", PropertyKind::Other}, {"Color", PropertyKind::Other}};
    for (const KindCase& c : cases)
        EXPECT_EQ(find(properties, c.name).Kind, c.kind) << c.name;
}

TEST(PublishedProperties, ReadAndWriteThroughTheSetters) {
    TComboBox combo(nullptr);
    const auto properties = publishedProperties(combo);
    EXPECT_TRUE(writeStringProperty(combo, find(properties, "Hint"), QStringLiteral("tip")));
    EXPECT_EQ(combo.Hint(), QStringLiteral("tip"));
    EXPECT_EQ(readStringProperty(combo, find(properties, "Hint")), QStringLiteral("tip"));
    EXPECT_TRUE(writeStringListProperty(combo, find(properties, "Items"), {"a", "b"}));
    EXPECT_EQ(combo.Items(), (QStringList{"a", "b"}));
    EXPECT_EQ(readStringListProperty(combo, find(properties, "Items")), (QStringList{"a", "b"}));
    EXPECT_EQ(readObjectProperty(combo, find(properties, "Font")), static_cast<QObject*>(combo.Font()));
}

TEST(PublishedProperties, RecogniseClassesCollectionsAndScaleSettings) {
    TCheckBox box(nullptr);
    EXPECT_TRUE(inheritsClass(box, "TCheckBox"));
    EXPECT_TRUE(inheritsClass(box, "TControl"));
    EXPECT_FALSE(inheritsClass(box, "TLabel"));
    EXPECT_FALSE(isScaleProps(box));
    EXPECT_EQ(asCollection(box), nullptr);
    TCollection collection;
    EXPECT_EQ(asCollection(collection), &collection);
    QObject* item = collection.Add(std::make_unique<QObject>());
    EXPECT_EQ(collection.Count(), 1);
    EXPECT_EQ(collection.Items(0), item);
}

} // namespace
