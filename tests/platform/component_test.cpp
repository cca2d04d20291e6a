#include "platform/controls/control.h"
#include "platform/controls/exceptions.h"

#include <gtest/gtest.h>

#include <QPointer>

namespace {

// Records its destruction into a shared log.
class Probe : public TComponent {
public:
    Probe(TComponentBase* owner, QString name, QStringList* log) : TComponent(owner), FLog(log) {
        SetName(name);
    }
    ~Probe() override { FLog->append(Name()); }
    void Loaded() override {
        TComponent::Loaded();
        FLog->append(Name() + QStringLiteral(" loaded"));
    }

private:
    QStringList* FLog;
};

} // namespace

TEST(Component, OwnerKeepsCreationOrderAndFreesLastFirst) {
    QStringList log;
    auto* form = new Probe(nullptr, QStringLiteral("Form1"), &log);
    auto* a = new Probe(form, QStringLiteral("A"), &log);
    new Probe(form, QStringLiteral("B"), &log);
    new Probe(a, QStringLiteral("A1"), &log);
    ASSERT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(form->Components()[0], a);
    EXPECT_EQ(form->FindComponent(QStringLiteral("b"))->Name(), QStringLiteral("B"));
    EXPECT_EQ(form->FindComponent(QStringLiteral("A1")), nullptr); // only direct ownership counts
    delete form;
    // A destructor body runs before the components it owns are freed.
    EXPECT_EQ(log, (QStringList{"Form1", "B", "A", "A1"}));
}

TEST(Component, FreedComponentLeavesItsOwner) {
    QStringList log;
    Probe form(nullptr, QStringLiteral("Form1"), &log);
    auto* a = new Probe(&form, QStringLiteral("A"), &log);
    delete a;
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(Component, OwnerAndVisualParentDiffer) {
    // The panel is the chart's parent, the form its owner; whoever goes first, nothing is freed twice.
    QStringList log;
    auto* form = new TControl(nullptr);
    auto* panel = new TControl(form, form);
    QPointer<TControl> chart = new TControl(form, panel);
    delete panel;
    EXPECT_TRUE(chart.isNull());
    EXPECT_EQ(form->ComponentCount(), 0);

    auto* panel2 = new TControl(form, form);
    QPointer<TControl> chart2 = new TControl(form, panel2);
    delete form;
    EXPECT_TRUE(chart2.isNull());
}

TEST(Component, LoadingStateEndsWithLoaded) {
    QStringList log;
    Probe p(nullptr, QStringLiteral("P"), &log);
    EXPECT_FALSE(p.IsLoading());
    p.BeginLoading();
    EXPECT_TRUE(p.IsLoading());
    p.Loaded();
    EXPECT_FALSE(p.IsLoading());
    EXPECT_EQ(log, QStringList{"P loaded"});
}

TEST(Component, ControlPublishesGeometry) {
    TControl c(nullptr);
    c.setProperty("Left", 7);
    c.setProperty("Top", 32);
    c.setProperty("Width", 201);
    c.setProperty("Height", 41);
    EXPECT_EQ(c.geometry(), QRect(7, 32, 201, 41));
    c.setProperty("Name", QStringLiteral("RLabSpeed"));
    EXPECT_EQ(c.Name(), QStringLiteral("RLabSpeed"));
}

TEST(Component, ExceptionCarriesTheMessage) {
    const EVRXError e(componentMessage(QStringLiteral("RLabSpeed"), QStringLiteral("no timer available")));
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"RLabSpeed\": no timer available"));
    EXPECT_STREQ(e.what(), "Component \"RLabSpeed\": no timer available");
}
