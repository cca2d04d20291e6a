#include "app/languagemenu.h"

#include "app/accesstexts.h"
#include "app/menutexts.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <algorithm>

LanguageMenu::LanguageMenu(QWidget& window, QMenu& contextMenu, const AccessTexts& texts,
                           const MenuTexts& menuTexts, std::function<void()> retranslateWindow)
    : FRetranslateWindow(std::move(retranslateWindow)), FTexts(texts), FMenuTexts(menuTexts),
      FMenu(std::make_unique<QMenu>()) {
    FShowError = [this, &window](const QString& message) {
        QMessageBox::warning(&window, FTexts.Language(), message);
    };
    contextMenu.addSeparator();
    contextMenu.addMenu(FMenu.get());
    connect(FMenu.get(), &QMenu::aboutToShow, this, [this] { fill(); });
    retranslate();
}

LanguageMenu::~LanguageMenu() = default;

void LanguageMenu::retranslate() {
    FMenu->setTitle(FMenuTexts.LanguageMenu());
}

void LanguageMenu::fill() {
    FMenu->clear();
    const LanguageFiles files = programLanguageFiles();
    const QString choicePath = languageChoicePath(files.BesideProgram, files.Search);
    const QString chosen =
        choicePath.isEmpty() ? QString() : QString::fromUtf8(files.Search.Read(choicePath).trimmed());
    const QList<LanguageEntry> entries = languageEntries(packageLanguages(files.BesideProgram, files.Search));
    const bool automatic = std::none_of(entries.begin(), entries.end(),
                                        [&](const LanguageEntry& entry) { return entry.Code == chosen; });
    // A class's file that the loader would pass over is not named.
    const QString classFile = ownLanguageFile(files.BesideProgram, files.Search);
    const QList<LanguageEntry> classEntry =
        classFile.isEmpty() ? QList<LanguageEntry>()
                            : languageEntries({{QFileInfo(classFile).fileName(), classFile}});
    const QString automaticText = classEntry.isEmpty()
                                      ? FMenuTexts.Automatic()
                                      : FMenuTexts.AutomaticClassFile().arg(classEntry.front().Name);
    addEntry(automaticText, automatic, [choicePath] { return forgetLanguageChoice(choicePath); });
    FMenu->addSeparator();
    for (const LanguageEntry& entry : entries)
        addEntry(entry.Name, entry.Code == chosen,
                 [choicePath, code = entry.Code] { return storeLanguageChoice(choicePath, code); });
}

void LanguageMenu::addEntry(const QString& text, bool checked, const std::function<QString()>& store) {
    QAction* action = FMenu->addAction(text, this, [this, store] { choose(store); });
    action->setCheckable(true);
    action->setChecked(checked);
}

void LanguageMenu::choose(const std::function<QString()>& store) {
    if (const QString failure = store(); !failure.isEmpty()) {
        FShowError(FTexts.LanguageNotStored().arg(failure));
        return;
    }
    FRetranslateWindow();
}
