// The main window's start: the About dialog as start-up screen, the texts that depend on the
// language file, the explanatory text, the About button and the links of the explanatory text.
#include "app/mainfrm.h"

#include "../shellrecorder.h"
#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "localisation/rivazidad2000.h"
#include "mainformfixture.h"
#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"
#include "viewer/htmlviewer.h"
#include "widgets/rasterlab.h"
#include "widgets/urllab.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTextBrowser>

using enum TShiftStateFlag;

namespace {

class Startup : public testing::Test, protected ProgramWindows {
protected:
    // Gives the main window's dictionary a language file before the first show.
    void useLanguage(const QByteArray& content) {
        QBuffer file;
        file.setData(content);
        file.open(QIODevice::ReadOnly);
        form->cliDemon->Dictionary().LoadFromStream(file);
    }
};

QByteArray germanFile() {
    QFile file(QStringLiteral(KYVELO_TEST_DATA "/../../src/app/languages/kyvelo_de.itl"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(Startup, AboutDialogComesFirstInFrontOfTheEmptyChart) {
    bool mainShown = false;
    int itemsWhileUp = -1;
    QStringList readoutsWhileUp;
    const bool startupScreen = showPastStartupScreen(*form, [&] {
        mainShown = form->isVisible();
        itemsWhileUp = form->RC1->ItemCount();
        for (const TRasterLab* readout : {form->RLabSpeed, form->RLabDS, form->RLabDT})
            readoutsWhileUp.append(readout->Text());
        EXPECT_TRUE(FrmAbout->isModal());
    });
    EXPECT_TRUE(startupScreen);
    EXPECT_TRUE(mainShown);
    EXPECT_EQ(itemsWhileUp, 0); // the simulation starts after the start-up screen
    EXPECT_EQ(readoutsWhileUp, QStringList({QString(), QString(), QString()}));
    EXPECT_EQ(form->RC1->ItemCount(), 134 + 1 + 2 + 4);
    EXPECT_EQ(form->RLabSpeed->Text(), QStringLiteral("70.6km/h"));
}

TEST_F(Startup, WithoutALanguageFileEnglishTextsAndTheBareKeys) {
    showPastStartupScreen(*form);
    EXPECT_EQ(FrmAbout->LblName->Caption(), QStringLiteral("Kyvelo"));
    EXPECT_EQ(FrmAbout->LblVersion->Caption(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(FrmAbout->LblWebSite->Caption(),
              QStringLiteral("More information can be found at the following Web sites:"));
    EXPECT_TRUE(FrmAbout->LblDescription->Caption().startsWith(
        QStringLiteral("This program shows the relationship between the slope of a tangent and the first "
                       "derivative of a function. ")));
    EXPECT_EQ(FrmAbout->UrlLabHomepage->URL(), QStringLiteral("HomePageURL"));
    EXPECT_FALSE(FrmAbout->UrlLabHomepage->Visible());
    EXPECT_EQ(FrmAbout->UrlLabVRXSuite->Top(), 16);
    EXPECT_EQ(FrmAbout->UrlLabRadavuziziz->Top(), 32);
    EXPECT_EQ(form->HTMLView->Browser()->toPlainText(), QStringLiteral("MMExplain"));
}

TEST_F(Startup, HidingAndShowingKeepsTheSimulation) {
    showPastStartupScreen(*form);
    form->CBoxMode->SetItemIndex(2);
    form->RC1MouseMoveInChart(form->RC1, true, TShiftState(ssLeft), 100, 0);
    form->RC1MouseMoveInChart(form->RC1, true, TShiftState(ssLeft), 20, 0);
    const double t1 = form->Time1(), t2 = form->Time2(), s1 = form->Dist1(), s2 = form->Dist2();
    const QString speed = form->RLabSpeed->Text();
    form->hide();
    EXPECT_FALSE(showPastStartupScreen(*form)); // no second start-up screen
    EXPECT_EQ(form->CBoxMode->ItemIndex(), 2);
    EXPECT_EQ(form->Time1(), t1);
    EXPECT_EQ(form->Time2(), t2);
    EXPECT_EQ(form->Dist1(), s1);
    EXPECT_EQ(form->Dist2(), s2);
    EXPECT_EQ(t1, 20);
    EXPECT_EQ(t2, 100);
    EXPECT_EQ(form->RLabSpeed->Text(), speed);
}

TEST_F(Startup, AboutButtonShowsTheDialogAgainWithItsTexts) {
    showPastStartupScreen(*form);
    const QString description = FrmAbout->LblDescription->Caption();
    bool modal = false;
    QString name;
    QTimer::singleShot(0, FrmAbout, [&] {
        modal = FrmAbout->isVisible() && FrmAbout->isModal();
        name = FrmAbout->LblName->Caption();
        FrmAbout->BButOK->Click();
    });
    form->SBAbout->Click(); // returns once the dialog is closed
    EXPECT_TRUE(modal);
    EXPECT_EQ(name, QStringLiteral("Kyvelo"));
    EXPECT_EQ(FrmAbout->LblDescription->Caption(), description);
    EXPECT_FALSE(FrmAbout->isVisible());
    EXPECT_EQ(form->RLabSpeed->Text(), QStringLiteral("70.6km/h"));
}

TEST_F(Startup, LinksOfTheExplanatoryTextGoToTheShell) {
    useLanguage("[MMExplain]=<a href=\"help:en/derivative.html#limit\">Lesson</a>|$$");
    showPastStartupScreen(*form);
    ShellRecorder shell;
    bool handled = false;
    form->HTMLViewHotSpotClick(form->HTMLView, QStringLiteral("https://kyvelo.example/derivative"), handled);
    EXPECT_TRUE(handled);
    ASSERT_EQ(shell.Requests.size(), 1u);
    EXPECT_EQ(shell.Requests[0].Verb, QString());
    EXPECT_EQ(shell.Requests[0].File, QStringLiteral("https://kyvelo.example/derivative"));
    EXPECT_EQ(shell.Requests[0].Parameters, QString());
    EXPECT_EQ(shell.OverrideCursors[0], Qt::BusyCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // A real click in the pane ends there too, a help link as the page's file, and the pane keeps
    // its document.
    QTextBrowser* browser = form->HTMLView->Browser();
    QTextCursor cursor(browser->document());
    cursor.setPosition(2);
    const QPoint at = browser->cursorRect(cursor).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, browser->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(browser->viewport(), &event);
    }
    ASSERT_EQ(shell.Requests.size(), 2u);
    EXPECT_TRUE(shell.Requests[1].File.startsWith(QStringLiteral("file:///")));
    EXPECT_TRUE(shell.Requests[1].File.endsWith(QStringLiteral("/help/en/derivative.html#limit")));
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("Lesson"));
    EXPECT_TRUE(browser->source().isEmpty());
}

TEST_F(Startup, GermanLanguageFileGivesTheGermanStartupScreen) {
    useLanguage(germanFile());
    showPastStartupScreen(*form);
    EXPECT_EQ(FrmAbout->Caption(), QStringLiteral("Über"));
    EXPECT_EQ(FrmAbout->LblWebSite->Caption(),
              QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
    EXPECT_TRUE(FrmAbout->LblDescription->Caption().startsWith(
        QStringLiteral("Dieses Programm zeigt den Zusammenhang zwischen der Steigung der Tangente und der "
                       "ersten Ableitung einer Funktion")));
    EXPECT_EQ(FrmAbout->UrlLabHomepage->Caption(), QStringLiteral("Kyvelo-Homepage"));
    EXPECT_EQ(FrmAbout->LblCopyright->Caption(),
              QStringLiteral("Copyright (c) 2026 die Kyvelo-Entwickler. MIT-Lizenz."));
    // The links open the German help pages from where this program finds them, as files.
    const std::pair<TUrlLab*, const char*> links[] = {
        {FrmAbout->UrlLabHomepage, "/help/de/index.html"},
        {FrmAbout->UrlLabVRXSuite, "/help/de/index.html#components"},
        {FrmAbout->UrlLabRadavuziziz, "/help/de/index.html#textbooks"}};
    for (const auto& [link, page] : links) {
        EXPECT_TRUE(link->URL().startsWith(QStringLiteral("file:///"))) << link->URL().toStdString();
        EXPECT_TRUE(link->URL().endsWith(QLatin1String(page))) << link->URL().toStdString();
    }
    EXPECT_TRUE(FrmAbout->UrlLabHomepage->Visible());
    EXPECT_EQ(FrmAbout->UrlLabVRXSuite->Top(), 8);
    EXPECT_EQ(FrmAbout->UrlLabRadavuziziz->Top(), 24);
    EXPECT_TRUE(form->HTMLView->Browser()->toPlainText().contains(QStringLiteral("Sekante")));
}

TEST_F(Startup, LanguageNameInAnyCaseAndAnEmptyHomePage) {
    useLanguage(
        " [$DLGLANGUAGE$]=lgGERMAN|$$\r\n[homepage]=|$$\r\n[HomePageURL]= https://kyvelo.example/x |$$");
    showPastStartupScreen(*form);
    EXPECT_EQ(FrmAbout->LblWebSite->Caption(),
              QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
    EXPECT_EQ(FrmAbout->UrlLabHomepage->Caption(), QString());
    EXPECT_FALSE(FrmAbout->UrlLabHomepage->Visible()); // translated to nothing: hidden as well
    EXPECT_EQ(FrmAbout->UrlLabVRXSuite->Top(), 16);
    EXPECT_EQ(FrmAbout->UrlLabHomepage->URL(), QStringLiteral("https://kyvelo.example/x")); // trimmed
    EXPECT_EQ(form->HTMLView->Browser()->toPlainText(), QStringLiteral("MMExplain"));
}

// The host may end the program while the start-up screen is up: the start stops there.
TEST_F(Startup, AQuitDuringTheStartupScreenStopsTheStart) {
    showPastStartupScreen(*form, [&] { delete form->cliDemon.data(); });
    EXPECT_TRUE(form->cliDemon.isNull());
    EXPECT_EQ(form->RC1->ItemCount(), 0);
    EXPECT_TRUE(form->HTMLView->Browser()->toPlainText().isEmpty());
}
