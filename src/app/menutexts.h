// The captions of the menu bar: its menus (with their Alt letters) and the entries no other part of
// the window names. Like StudyTexts they are published "BF_" properties of a component the window
// owns and creates before reading its layout, so the language file translates them with the layout's.
#pragma once

#include "platform/controls/component.h"

class MenuTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString PictureMenu MEMBER FPictureMenu)
    Q_PROPERTY(QString ViewMenu MEMBER FViewMenu)
    Q_PROPERTY(QString ToolsMenu MEMBER FToolsMenu)
    Q_PROPERTY(QString LanguageMenu MEMBER FLanguageMenu)
    Q_PROPERTY(QString HelpMenu MEMBER FHelpMenu)
    Q_PROPERTY(QString PresentationMode MEMBER FPresentationMode)
    Q_PROPERTY(QString HelpPages MEMBER FHelpPages)
    Q_PROPERTY(QString About MEMBER FAbout)
    Q_PROPERTY(QString Exit MEMBER FExit)
    Q_PROPERTY(QString Automatic MEMBER FAutomatic)
    Q_PROPERTY(QString AutomaticClassFile MEMBER FAutomaticClassFile)
public:
    explicit MenuTexts(TComponentBase* owner);

    QString PictureMenu() const { return FPictureMenu; }
    QString ViewMenu() const { return FViewMenu; }
    QString ToolsMenu() const { return FToolsMenu; }
    QString LanguageMenu() const { return FLanguageMenu; }
    QString HelpMenu() const { return FHelpMenu; }
    QString PresentationMode() const { return FPresentationMode; }
    QString HelpPages() const { return FHelpPages; }
    QString About() const { return FAbout; }
    QString Exit() const { return FExit; }
    QString Automatic() const { return FAutomatic; }
    QString AutomaticClassFile() const { return FAutomaticClassFile; }

private:
    QString FPictureMenu = QStringLiteral("BF_&Picture");
    QString FViewMenu = QStringLiteral("BF_&View");
    QString FToolsMenu = QStringLiteral("BF_&Tools");
    QString FLanguageMenu = QStringLiteral("BF_&Language");
    QString FHelpMenu = QStringLiteral("BF_&Help");
    QString FPresentationMode = QStringLiteral("BF_Presentation mode");
    QString FHelpPages = QStringLiteral("BF_Help pages");
    QString FAbout = QStringLiteral("BF_About"); // the About button's key
    QString FExit = QStringLiteral("BF_Exit");   // the Exit button's key
    QString FAutomatic = QStringLiteral("BF_Automatic");
    // %1: the language the class's own file names itself.
    QString FAutomaticClassFile = QStringLiteral("BF_Automatic: the class's file (%1)");
};
