// The main window's menu bar: every tool with its key, so that a user finds them without knowing the
// chart's context menu. Picture (copy, save, Exit), View (velocity graph, exact curve, limit table,
// point labels, presentation mode), Tools (Set points, Reset), Language, Help (the help pages, About).
// The entries are the same actions as the context menu's: one key, one check, one text each.
#pragma once

#include <QObject>

class LanguageMenu;
class MenuTexts;
class QAction;
class QMenu;
class QMenuBar;
class TForm1;

class MainMenu : public QObject {
    Q_OBJECT
public:
    // Puts the bar above the form's client area.
    MainMenu(TForm1& form, const MenuTexts& texts, LanguageMenu& languages);

    QMenuBar* bar() const { return FBar; }
    // Full screen for a class (F5).
    QAction* presentationAction() const { return FPresentation; }
    // The captions in the language in use.
    void retranslate();

private:
    QAction* addEntry(QMenu* menu, const QKeySequence& key);
    void openHelp();

    TForm1& FForm;
    const MenuTexts& FTexts;
    QMenuBar* FBar;
    QMenu* FPicture;
    QMenu* FView;
    QMenu* FTools;
    QMenu* FHelp;
    QAction* FExit;
    QAction* FPresentation;
    QAction* FHelpPages;
    QAction* FAbout;
};
