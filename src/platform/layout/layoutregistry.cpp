#include "platform/layout/layoutregistry.h"

#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"

#include <map>

namespace {

std::map<QString, ComponentFactory>& registry() {
    static std::map<QString, ComponentFactory> classes;
    return classes;
}

void registerStandardClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    registerComponentClass<TPanel>(QStringLiteral("TPanel"));
    registerComponentClass<TLabel>(QStringLiteral("TLabel"));
    registerComponentClass<TCheckBox>(QStringLiteral("TCheckBox"));
    registerComponentClass<TComboBox>(QStringLiteral("TComboBox"));
    registerComponentClass<TSpeedButton>(QStringLiteral("TSpeedButton"));
    registerComponentClass<TBitBtn>(QStringLiteral("TBitBtn"));
}

} // namespace

void registerComponentClass(const QString& className, ComponentFactory factory) {
    registerStandardClasses();
    registry()[className] = std::move(factory);
}

ComponentFactory findComponentClass(const QString& className) {
    registerStandardClasses();
    const auto it = registry().find(className);
    return it == registry().end() ? ComponentFactory() : it->second;
}
