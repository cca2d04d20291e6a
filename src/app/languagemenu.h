// The "Language" submenu at the end of the chart's context menu: the package's languages by their
// own names, the one in use checked. Choosing another stores it as the user's choice and starts the
// program anew in that language, showing what the window shows now (profile, points, mode, graph
// and table).
#pragma once

#include "app/languagechoice.h"

#include <QObject>

#include <functional>
#include <memory>

class AccessTexts;
class QActionGroup;
class QMenu;
class TForm1;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to the end of the form's context menu.
    LanguageMenu(TForm1& form, const AccessTexts& texts);
    ~LanguageMenu() override;

    QMenu* menu() const { return FMenu.get(); }

    // What a stored choice leads to (requestRestart() unless replaced), and how a failure to store
    // it is shown (a message box unless replaced).
    void setRestart(std::function<void(const QByteArrayList& arguments)> restart) {
        FRestart = std::move(restart);
    }
    void setShowError(std::function<void(const QString& message)> showError) {
        FShowError = std::move(showError);
    }

private:
    // When the context menu opens: the title in the language in use; the languages the first time.
    void update();
    void fill();
    void choose(const LanguageEntry& entry);

    TForm1& FForm;
    const AccessTexts& FTexts;
    std::unique_ptr<QMenu> FMenu;
    QActionGroup* FGroup;
    std::function<void(const QByteArrayList&)> FRestart;
    std::function<void(const QString&)> FShowError;
    bool FFilled = false;
};
