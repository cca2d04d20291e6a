// The "Language" menu, in the menu bar and at the end of the chart's context menu: "Automatic"
// (naming a class's own file when there is one), then the package's languages by their own names,
// the one chosen checked. A choice is stored for later starts and takes effect at once: the window
// speaks the new language where it stands. "Automatic" removes the stored choice.
#pragma once

#include "app/languagechoice.h"

#include <QObject>

#include <functional>
#include <memory>

class AccessTexts;
class MenuTexts;
class QMenu;
class QWidget;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu to the end of the chart's context menu; a choice that is stored calls
    // retranslate, which speaks the new language; a failure is shown over the window.
    LanguageMenu(QWidget& window, QMenu& contextMenu, const AccessTexts& texts, const MenuTexts& menuTexts,
                 std::function<void()> retranslateWindow);
    ~LanguageMenu() override;

    QMenu* menu() const { return FMenu.get(); }
    // The title in the language in use.
    void retranslate();

    // How a failure to store the choice is shown (a message box unless replaced).
    void setShowError(std::function<void(const QString& message)> showError) {
        FShowError = std::move(showError);
    }

private:
    // The entries as the files are when the menu opens.
    void fill();
    void addEntry(const QString& text, bool checked, const std::function<QString()>& store);
    void choose(const std::function<QString()>& store);

    std::function<void()> FRetranslateWindow;
    const AccessTexts& FTexts;
    const MenuTexts& FMenuTexts;
    std::unique_ptr<QMenu> FMenu;
    std::function<void(const QString&)> FShowError;
};
