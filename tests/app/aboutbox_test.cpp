#include "app/aboutbox.h"

#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"
#include "widgets/urllab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <memory>

using enum Forms::TFormBorderStyle;
using enum Forms::TPosition;
using enum Graphics::TAlignment;
using enum Graphics::TFontStyle;

namespace {

class AboutDialog : public testing::Test {
protected:
    AboutDialog() { FrmAbout = dialog.get(); }

    std::unique_ptr<TFrmAbout> dialog = std::make_unique<TFrmAbout>();
};

QRect boundsOf(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

} // namespace

TEST_F(AboutDialog, LayoutKeepsItsOwnPixels) {
    // Read at the screen's resolution, which differs from the layout's 120 dpi: nothing is scaled.
    EXPECT_EQ(dialog->ClientWidth(), 543);
    EXPECT_EQ(dialog->ClientHeight(), 332);
    EXPECT_EQ(dialog->Caption(), QStringLiteral("BF_About"));
    EXPECT_EQ(dialog->BorderStyle(), bsDialog);
    EXPECT_EQ(dialog->Position(), poScreenCenter);
    EXPECT_EQ(dialog->Icon().size(), QSize(32, 32));
    EXPECT_EQ(boundsOf(*dialog->Panel1), QRect(8, 10, 529, 127));
    EXPECT_EQ(boundsOf(*dialog->LblName), QRect(8, 12, 513, 34));
    EXPECT_EQ(boundsOf(*dialog->LblDescription), QRect(8, 152, 529, 65));
    EXPECT_EQ(boundsOf(*dialog->Panel2), QRect(8, 224, 529, 65));
    EXPECT_EQ(boundsOf(*dialog->LblWebSite), QRect(8, 8, 135, 49));
    EXPECT_EQ(boundsOf(*dialog->UrlLabHomepage), QRect(152, 40, 369, 16));
    EXPECT_EQ(boundsOf(*dialog->BButOK), QRect(424, 296, 113, 33));
    EXPECT_EQ(dialog->BButOK->Glyph().size(), QSize(21, 21));
    EXPECT_EQ(dialog->BButOK->Caption(), QStringLiteral("BF_OK"));

    EXPECT_EQ(dialog->LblName->Font()->Height(), -30);
    EXPECT_EQ(dialog->LblName->Font()->Color(), clMaroon);
    EXPECT_EQ(dialog->LblName->Font()->Style(), TFontStyles(fsBold) | fsItalic);
    EXPECT_EQ(dialog->LblDescription->Font()->Color(), clMaroon);
    EXPECT_TRUE(dialog->LblDescription->WordWrap());
    EXPECT_EQ(dialog->LblWebSite->Alignment(), taRightJustify);
    EXPECT_FALSE(dialog->LblCopyright->Caption().isEmpty());
}

TEST_F(AboutDialog, LinkLabels) {
    for (TUrlLab* link : {dialog->UrlLabVRXSuite, dialog->UrlLabRadavuziziz, dialog->UrlLabHomepage}) {
        EXPECT_EQ(link->Font()->Name(), QStringLiteral("Courier New")) << link->Name().toStdString();
        EXPECT_EQ(link->Font()->Height(), -13);
        EXPECT_EQ(link->Font()->Color(), clBlue);
        EXPECT_EQ(link->Font()->Style(), TFontStyles(fsBold));
        EXPECT_EQ(link->FontActive()->Color(), clRed);
        EXPECT_EQ(link->FontActive()->Style(), TFontStyles(fsBold) | fsUnderline);
        EXPECT_FALSE(link->AutoSize());
    }
    EXPECT_EQ(dialog->UrlLabVRXSuite->Caption(), QStringLiteral("VRX Component Suite"));
    EXPECT_EQ(dialog->UrlLabRadavuziziz->Caption(), QStringLiteral("Pellavo"));
    EXPECT_EQ(dialog->UrlLabHomepage->Caption(), QStringLiteral("BF_HomePage"));
    for (TUrlLab* link : {dialog->UrlLabVRXSuite, dialog->UrlLabRadavuziziz, dialog->UrlLabHomepage})
        EXPECT_TRUE(link->URL().isEmpty()); // the main window sets them at start, in its language
    EXPECT_FALSE(dialog->UrlLabHomepage->Visible());
}

TEST_F(AboutDialog, HomePageLinkShowsOnlyWhenTranslated) {
    struct Case {
        const char* caption;
        bool shown;
        int tops[2];
    };
    const Case cases[] = {{"HomePage", false, {16, 32}},
                          {"", false, {16, 32}},
                          {"Kyvelo home page", true, {8, 24}},
                          {"homepage", true, {8, 24}}, // the comparison heeds letter case
                          {"HomePage", false, {16, 32}}};
    for (const Case& c : cases) {
        dialog->UrlLabHomepage->SetCaption(QLatin1String(c.caption));
        dialog->FormShow(dialog.get());
        EXPECT_EQ(dialog->UrlLabHomepage->Visible(), c.shown) << c.caption;
        EXPECT_EQ(dialog->UrlLabVRXSuite->Top(), c.tops[0]) << c.caption;
        EXPECT_EQ(dialog->UrlLabRadavuziziz->Top(), c.tops[1]) << c.caption;
        EXPECT_EQ(dialog->UrlLabHomepage->Top(), 40);
    }
}

TEST_F(AboutDialog, ShowsModallyUntilOK) {
    dialog->UrlLabHomepage->SetCaption(QStringLiteral("HomePage"));
    bool wasModal = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        wasModal = dialog->isVisible() && dialog->isModal();
        dialog->BButOK->Click();
    });
    dialog->ShowModal(); // returns once OK has closed it
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->UrlLabVRXSuite->Top(), 16); // FormShow ran as OnShow
}

TEST_F(AboutDialog, EnterAndEscapeCloseItWhereverItsFocusIs) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        for (QWidget* target : {static_cast<QWidget*>(dialog.get()), dialog->BButOK->focusProxy()}) {
            QTimer::singleShot(0, dialog.get(), [&] {
                target->setFocus(Qt::TabFocusReason);
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(target, &press);
                EXPECT_FALSE(dialog->isVisible()) << key << " on " << target->metaObject()->className();
                dialog->Close();
            });
            dialog->ShowModal();
        }
    }
}

TEST_F(AboutDialog, OpensCentredOverTheWindowThatShowsIt) {
    QWidget owner;
    owner.setGeometry(100, 50, 600, 400);
    owner.show();
    QPoint centre;
    QTimer::singleShot(0, dialog.get(), [&] {
        centre = dialog->frameGeometry().center();
        dialog->Close();
    });
    dialog->ShowModalOver(owner);
    EXPECT_EQ(centre, owner.frameGeometry().center());
    EXPECT_EQ(centre, QPoint(399, 249));
}
