// The main window's menu bar: every tool with its key, so that a user finds them without knowing the
// chart's context menu. Picture (copy, save, Exit), View (velocity graph, exact curve, limit table,
// point labels, presentation mode), Tools (Set points, Reset), Language, Help (the help pages, About).
// The entries are the same actions as the context menu's: one key, one check, one text each.
#pragma once

#include <QObject>

#include <functional>

class ChartAccess;
class LanguageMenu;
class MenuTexts;
class QAction;
class QMenu;
class QMenuBar;
class StudyTools;
class TForm;

class MainMenu : public QObject {
    Q_OBJECT
public:
    // What the entries that are not the tools' own do.
    struct Commands {
        std::function<void()> TogglePresentation;
        std::function<void()> ShowAbout;
        std::function<QString()> HomePage; // the help page's address; empty: none to open
    };
    // Puts the bar above the window's client area.
    MainMenu(TForm& window, const ChartAccess& access, StudyTools& study, LanguageMenu& languages,
             const MenuTexts& texts, Commands commands);

    QMenuBar* bar() const { return FBar; }
    // Full screen for a class (F5).
    QAction* presentationAction() const { return FPresentation; }
    QMenu* viewMenu() const { return FView; }
    // Entries of other views, put into the View menu above presentation mode as one group.
    void addViewEntries(const QList<QAction*>& entries);
    // A File menu before the others.
    void addFileMenu(QMenu* fileMenu);
    // The captions in the language in use.
    void retranslate();

private:
    QAction* addEntry(QMenu* menu, const QKeySequence& key);
    void openHelp();

    TForm& FWindow;
    const MenuTexts& FTexts;
    const Commands FCommands;
    QMenuBar* FBar = nullptr;
    QMenu* FPicture = nullptr;
    QMenu* FView = nullptr;
    QMenu* FTools = nullptr;
    QMenu* FHelp = nullptr;
    QAction* FExit = nullptr;
    QAction* FPresentation = nullptr;
    QAction* FHelpPages = nullptr;
    QAction* FAbout = nullptr;
};
