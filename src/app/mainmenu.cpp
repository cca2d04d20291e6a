#include "app/mainmenu.h"

#include "app/chartaccess.h"
#include "app/helplink.h"
#include "app/languagemenu.h"
#include "app/mainfrm.h"
#include "app/menutexts.h"
#include "app/studytools.h"
#include "hostlink/marvestodemon.h"
#include "platform/system/shellexecute.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

MainMenu::MainMenu(TForm1& form, const MenuTexts& texts, LanguageMenu& languages)
    : QObject(&form), FForm(form), FTexts(texts), FBar(new QMenuBar) {
    // In the window on every desktop, so that the window's layout is the same everywhere.
    FBar->setNativeMenuBar(false);
    const ChartAccess& access = *FForm.Access();
    const StudyTools::Actions& study = FForm.Study()->actions();
    access.copyPictureAction()->setShortcut(QKeySequence::Copy);
    access.savePictureAction()->setShortcut(QKeySequence::Save);
    FForm.addActions({access.copyPictureAction(), access.savePictureAction()});

    FPicture = FBar->addMenu(QString());
    FPicture->addActions({access.copyPictureAction(), access.savePictureAction()});
    FPicture->addSeparator();
    FExit = addEntry(FPicture, QKeySequence::Quit);
    connect(FExit, &QAction::triggered, &FForm, [this] { FForm.Close(); });

    FView = FBar->addMenu(QString());
    FView->addActions({study.VelocityGraph, study.ExactCurve, study.LimitTable, study.PointLabels});
    FView->addSeparator();
    FPresentation = addEntry(FView, Qt::Key_F5);
    connect(FPresentation, &QAction::triggered, &FForm, [this] { FForm.togglePresentation(); });
    connect(FView, &QMenu::aboutToShow, FForm.Study(), &StudyTools::updateChecks);

    FTools = FBar->addMenu(QString());
    FTools->addActions({study.SetPoints, study.Reset});

    FBar->addMenu(languages.menu());

    FHelp = FBar->addMenu(QString());
    FHelpPages = addEntry(FHelp, QKeySequence::HelpContents);
    connect(FHelpPages, &QAction::triggered, this, [this] { openHelp(); });
    FAbout = addEntry(FHelp, QKeySequence());
    connect(FAbout, &QAction::triggered, &FForm, [this] { FForm.SBAboutClick(&FForm); });

    retranslate();
    FForm.SetMenuBar(FBar);
}

// Held by the window too, so that its key acts wherever the window has the keyboard.
QAction* MainMenu::addEntry(QMenu* menu, const QKeySequence& key) {
    QAction* action = menu->addAction(QString());
    action->setShortcut(key);
    FForm.addAction(action);
    return action;
}

void MainMenu::retranslate() {
    FPicture->setTitle(FTexts.PictureMenu());
    FView->setTitle(FTexts.ViewMenu());
    FTools->setTitle(FTexts.ToolsMenu());
    FHelp->setTitle(FTexts.HelpMenu());
    FExit->setText(FTexts.Exit());
    FPresentation->setText(FTexts.PresentationMode());
    FHelpPages->setText(FTexts.HelpPages());
    FAbout->setText(FTexts.About());
}

// The home page the language file names, as the About dialog's link opens it.
void MainMenu::openHelp() {
    if (!FForm.cliDemon) return;
    const QString page = resolveHelpLink(FForm.cliDemon->Translate(QStringLiteral("HomePageURL")),
                                         systemHelpFolders(QCoreApplication::applicationDirPath()));
    shellExecute({QString(), page, QString()});
}
