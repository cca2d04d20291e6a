#include "platform/layout/layoutregistry.h"

#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"

#include <map>

namespace {

std::map<QString, TComponentFactory>& registry() {
    static std::map<QString, TComponentFactory> classes;
    return classes;
}

void registerStandardClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterComponentClass<TPanel>(QStringLiteral("TPanel"));
    RegisterComponentClass<TLabel>(QStringLiteral("TLabel"));
    RegisterComponentClass<TCheckBox>(QStringLiteral("TCheckBox"));
    RegisterComponentClass<TComboBox>(QStringLiteral("TComboBox"));
    RegisterComponentClass<TSpeedButton>(QStringLiteral("TSpeedButton"));
    RegisterComponentClass<TBitBtn>(QStringLiteral("TBitBtn"));
}

} // namespace

void RegisterComponentClass(const QString& className, TComponentFactory factory) {
    registerStandardClasses();
    registry()[className] = std::move(factory);
}

TComponentFactory FindComponentClass(const QString& className) {
    registerStandardClasses();
    const auto it = registry().find(className);
    return it == registry().end() ? TComponentFactory() : it->second;
}
