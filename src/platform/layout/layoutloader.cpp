#include "platform/layout/layoutloader.h"

#include "platform/graphics/font.h"
#include "platform/layout/layouterror.h"
#include "platform/layout/layoutregistry.h"
#include "platform/layout/layoutscaling.h"
#include "platform/layout/layoutvalues.h"

#include <QFile>

namespace {

// The root's own statement of a property, if it makes one.
const LayoutValue* rootValue(const LayoutObject& root, const char* name) {
    for (const LayoutProperty& p : root.Properties)
        if (p.Name == QLatin1String(name)) return &p.Value;
    return nullptr;
}

LayoutScale scaleOf(const LayoutObject& root, int screenPixelsPerInch) {
    const LayoutValue* ppi = rootValue(root, "PixelsPerInch");
    const LayoutValue* scaled = rootValue(root, "Scaled");
    if (!ppi || ppi->Type != LayoutValue::Kind::Integer || (scaled && !scaled->Boolean))
        return LayoutScale(0, 0);
    const qint64 design = ppi->Integer > 0 && ppi->Integer < 100000 ? ppi->Integer : 0;
    return LayoutScale(screenPixelsPerInch, static_cast<int>(design));
}

bool inheritsClass(const QMetaObject* meta, const QString& className) {
    for (; meta; meta = meta->superClass())
        if (className == QLatin1String(meta->className())) return true;
    return false;
}

class Loader {
public:
    Loader(TForm& form, QString fileName, LayoutScale scale)
        : FForm(form), FFile(std::move(fileName)), FScale(scale) {}

    void load(const LayoutObject& root);

private:
    [[noreturn]] void fail(int line, const QString& what, const QString& word) const {
        throw ELayoutError(FFile, line, quotedWord(what, word));
    }
    void createChild(const LayoutObject& o, QWidget* parentWidget);
    void applyProperties(QObject& target, const LayoutObject& o);
    void applyProperty(QObject& object, const LayoutProperty& p);
    QObject* subObject(QObject& object, const QString& name, const LayoutProperty& p) const;
    void bindEvent(TComponentBase& component, const QString& event, const LayoutProperty& p) const;
    void writeProperty(QObject& target, const QMetaProperty& property, const LayoutProperty& p) const;

    TForm& FForm;
    QString FFile;
    LayoutScale FScale;
    std::vector<TComponentBase*> FCreated;
};

void Loader::load(const LayoutObject& root) {
    if (!inheritsClass(FForm.metaObject(), root.ClassName))
        fail(root.Line, QStringLiteral("form class does not match"), root.ClassName);
    FForm.BeginLoading();
    FForm.SetName(root.Name);
    FCreated.push_back(&FForm);
    applyProperties(FForm, root);
    for (const LayoutObject& child : root.Children)
        createChild(child, &FForm);
    for (TComponentBase* c : FCreated)
        c->Loaded();
}

void Loader::createChild(const LayoutObject& o, QWidget* parentWidget) {
    const ComponentFactory factory = findComponentClass(o.ClassName);
    if (!factory) fail(o.Line, QStringLiteral("unknown class"), o.ClassName);
    if (o.Name.contains(u'.')) fail(o.Line, QStringLiteral("bad component name"), o.Name);
    if (FForm.FindComponent(o.Name)) fail(o.Line, QStringLiteral("duplicate component name"), o.Name);
    TComponentBase* c = factory(&FForm, parentWidget);
    c->BeginLoading();
    c->SetName(o.Name);
    FCreated.push_back(c);
    applyProperties(*c->AsObject(), o);
    auto* widget = qobject_cast<QWidget*>(c->AsObject());
    for (const LayoutObject& child : o.Children)
        createChild(child, widget ? widget : parentWidget);
}

void Loader::applyProperties(QObject& target, const LayoutObject& o) {
    for (const LayoutProperty& p : o.Properties)
        applyProperty(target, p);
}

void Loader::applyProperty(QObject& object, const LayoutProperty& p) {
    const QStringList path = p.Name.split(u'.');
    QObject* target = &object;
    for (qsizetype i = 0; i + 1 < path.size(); ++i)
        target = subObject(*target, path[i], p);
    const QString& name = path.back();
    auto* component = dynamic_cast<TComponentBase*>(target);
    if (component && component->PublishedEvents().contains(name)) return bindEvent(*component, name, p);
    const int index = target->metaObject()->indexOfProperty(name.toLatin1().constData());
    if (index < 0 || !target->metaObject()->property(index).isWritable())
        fail(p.Line, QStringLiteral("unknown property"), p.Name);
    writeProperty(*target, target->metaObject()->property(index), p);
}

QObject* Loader::subObject(QObject& object, const QString& name, const LayoutProperty& p) const {
    const int index = object.metaObject()->indexOfProperty(name.toLatin1().constData());
    QObject* sub = nullptr;
    if (index >= 0) {
        const QMetaProperty property = object.metaObject()->property(index);
        if (property.metaType().flags().testFlag(QMetaType::PointerToQObject))
            sub = property.read(&object).value<QObject*>();
    }
    if (!sub) fail(p.Line, QStringLiteral("unknown property"), p.Name);
    return sub;
}

void Loader::bindEvent(TComponentBase& component, const QString& event, const LayoutProperty& p) const {
    if (p.Value.Type != LayoutValue::Kind::Identifier)
        fail(p.Line, QStringLiteral("expected a handler name but found"), p.Value.Source);
    const std::any* handler = FForm.PublishedHandlers().find(p.Value.Text);
    if (!handler) fail(p.Line, QStringLiteral("unknown handler"), p.Value.Text);
    if (!component.PublishedEvents().bind(event, *handler))
        fail(p.Line, QStringLiteral("handler does not fit %1:").arg(p.Name), p.Value.Text);
}

void Loader::writeProperty(QObject& target, const QMetaProperty& property, const LayoutProperty& p) const {
    LayoutValue value = p.Value;
    if (value.Type == LayoutValue::Kind::Integer &&
        isScaledProperty(target, QString::fromLatin1(property.name()))) {
        if (FScale.active()) value.Integer = FScale.apply(value.Integer);
        if (value.Integer > kMaxLayoutLength || value.Integer < -kMaxLayoutLength)
            fail(p.Line, QStringLiteral("bad value for %1:").arg(p.Name), p.Value.Source);
    }
    QString bad;
    const std::optional<QVariant> v = toPropertyValue(property, value, bad);
    if (!v) fail(p.Line, QStringLiteral("bad value for %1:").arg(p.Name), bad);
    try {
        if (!property.write(&target, *v)) fail(p.Line, QStringLiteral("bad value for %1:").arg(p.Name), bad);
    } catch (const ELayoutError&) {
        throw;
    } catch (const Exception& e) {
        fail(p.Line, QStringLiteral("bad value for %1: %2:").arg(p.Name, e.Message()), bad);
    }
}

} // namespace

void loadFormLayout(TForm& form, const LayoutObject& root, const QString& fileName, int screenPpi) {
    const int screen = screenPpi > 0 ? screenPpi : screenPixelsPerInch();
    const LayoutScale scale = scaleOf(root, screen);
    Loader(form, fileName, scale).load(root);
    if (scale.active()) form.SetPixelsPerInch(screen);
}

void readFormLayout(TForm& form, const QString& path, int screenPpi) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ELayoutError(path, 0, quotedWord(QStringLiteral("cannot read the layout"), file.errorString()));
    loadFormLayout(form, parseLayout(file.readAll(), path), path, screenPpi);
}
