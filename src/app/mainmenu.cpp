#include "app/mainmenu.h"

#include "app/chartaccess.h"
#include "app/languagemenu.h"
#include "app/menutexts.h"
#include "app/studytools.h"
#include "platform/controls/forms.h"
#include "platform/system/shellexecute.h"

#include <QAction>
#include <QMenuBar>

MainMenu::MainMenu(TForm& window, const ChartAccess& access, StudyTools& study, LanguageMenu& languages,
                   const MenuTexts& texts, Commands commands)
    : QObject(&window), FWindow(window), FTexts(texts), FCommands(std::move(commands)), FBar(new QMenuBar) {
    // In the window on every desktop, so that the window's layout is the same everywhere.
    FBar->setNativeMenuBar(false);
    const StudyTools::Actions& tools = study.actions();
    access.copyPictureAction()->setShortcut(QKeySequence::Copy);
    access.savePictureAction()->setShortcut(QKeySequence::Save);
    FWindow.addActions({access.copyPictureAction(), access.savePictureAction()});

    FPicture = FBar->addMenu(QString());
    FPicture->addActions({access.copyPictureAction(), access.savePictureAction()});
    FPicture->addSeparator();
    FExit = addEntry(FPicture, QKeySequence::Quit);
    connect(FExit, &QAction::triggered, &FWindow, [this] { FWindow.Close(); });

    FView = FBar->addMenu(QString());
    FView->addActions({tools.VelocityGraph, tools.ExactCurve, tools.LimitTable, tools.PointLabels});
    FView->addSeparator();
    FPresentation = addEntry(FView, Qt::Key_F5);
    connect(FPresentation, &QAction::triggered, &FWindow, [this] { FCommands.TogglePresentation(); });
    connect(FView, &QMenu::aboutToShow, &study, &StudyTools::updateChecks);

    FTools = FBar->addMenu(QString());
    FTools->addActions({tools.SetPoints, tools.Reset});

    FBar->addMenu(languages.menu());

    FHelp = FBar->addMenu(QString());
    FHelpPages = addEntry(FHelp, QKeySequence::HelpContents);
    connect(FHelpPages, &QAction::triggered, this, [this] { openHelp(); });
    FAbout = addEntry(FHelp, QKeySequence());
    connect(FAbout, &QAction::triggered, &FWindow, [this] { FCommands.ShowAbout(); });

    retranslate();
    FWindow.SetMenuBar(FBar);
}

void MainMenu::addViewEntries(const QList<QAction*>& entries) {
    QAction* separator = FView->actions().at(FView->actions().indexOf(FPresentation) - 1);
    FView->insertActions(separator, entries);
    FView->insertSeparator(separator);
}

void MainMenu::addFileMenu(QMenu* fileMenu) {
    FBar->insertMenu(FPicture->menuAction(), fileMenu);
}

// Held by the window too, so that its key acts wherever the window has the keyboard.
QAction* MainMenu::addEntry(QMenu* menu, const QKeySequence& key) {
    QAction* action = menu->addAction(QString());
    action->setShortcut(key);
    FWindow.addAction(action);
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

void MainMenu::openHelp() {
    const QString page = FCommands.HomePage();
    if (!page.isEmpty()) shellExecute({QString(), page, QString()});
}
