// The menu bar's keys in the real main window, pressed as a user presses them: they act wherever the
// window has the keyboard, not only on the chart.
#include "app/limittablepanel.h"
#include "app/studytools.h"
#include "app/tripmodel.h"
#include "app/velocitygraph.h"
#include "mainformfixture.h"
#include "platform/controls/stdctrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace {

class MainMenuTest : public MainFormFixture {
protected:
    void SetUp() override {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // V, T and Ctrl+R to the widget that has the keyboard.
    void pressKeys() const {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_V);
        QTest::keyClick(focus, Qt::Key_T);
        QTest::keyClick(focus, Qt::Key_R, Qt::ControlModifier);
    }
    bool graphShown() const { return form->Study()->graph().shown(); }
    bool tableShown() const { return form->Study()->table() && form->Study()->table()->shown(); }
};

} // namespace

TEST_F(MainMenuTest, KeysActAfterACheckBoxClickAndAProfileChoice) {
    auto* crosshairs = form->CBoxShowCH->findChild<QCheckBox*>();
    QTest::mouseClick(crosshairs, Qt::LeftButton, {}, QPoint(5, crosshairs->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), crosshairs);
    ASSERT_FALSE(form->CBoxShowCH->Checked());
    pressKeys();
    EXPECT_TRUE(graphShown());
    EXPECT_TRUE(tableShown());
    EXPECT_TRUE(form->CBoxShowCH->Checked()); // Reset

    auto* profiles = form->CBoxMode->findChild<QComboBox*>();
    profiles->setFocus();
    QTest::keyClick(profiles, Qt::Key_Down);
    ASSERT_EQ(form->CBoxMode->ItemIndex(), profileIndex(TripProfile::BackAndForth));
    pressKeys();
    EXPECT_FALSE(graphShown());
    EXPECT_FALSE(tableShown());
    EXPECT_EQ(form->CBoxMode->ItemIndex(), profileIndex(TripProfile::StandardRoad));
}
