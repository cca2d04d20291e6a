#include "app/languagemenu.h"

#include "app/accesstexts.h"
#include "app/chartaccess.h"
#include "app/commandline.h"
#include "app/mainfrm.h"
#include "app/restart.h"
#include "app/studytools.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>

namespace {

// The arguments the program was started with, after its name.
QByteArrayList startArguments() {
    QByteArrayList arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        arguments << QFile::encodeName(argument);
    return arguments;
}

} // namespace

LanguageMenu::LanguageMenu(TForm1& form, const AccessTexts& texts)
    : FForm(form), FTexts(texts), FMenu(std::make_unique<QMenu>()), FGroup(new QActionGroup(FMenu.get())),
      FRestart(requestRestart) {
    FShowError = [this](const QString& message) { QMessageBox::warning(&FForm, FTexts.Language(), message); };
    QMenu* contextMenu = FForm.Access()->menu();
    contextMenu->addSeparator();
    contextMenu->addMenu(FMenu.get());
    connect(contextMenu, &QMenu::aboutToShow, this, [this] { update(); });
}

LanguageMenu::~LanguageMenu() = default;

void LanguageMenu::update() {
    FMenu->setTitle(FTexts.Language());
    if (FFilled) return;
    FFilled = true;
    fill();
}

// The files are read when the menu first opens, not at start.
void LanguageMenu::fill() {
    const LanguageFiles files = programLanguageFiles();
    const QString inUse = languageFilePath(files.BesideProgram, files.Search);
    for (const LanguageEntry& entry : languageEntries(packageLanguages(files.BesideProgram, files.Search))) {
        QAction* action = FMenu->addAction(entry.Name, this, [this, entry] { choose(entry); });
        action->setCheckable(true);
        action->setChecked(entry.Path == inUse);
        action->setActionGroup(FGroup);
    }
    FMenu->setEnabled(!FMenu->isEmpty());
}

void LanguageMenu::choose(const LanguageEntry& entry) {
    const LanguageFiles files = programLanguageFiles();
    if (entry.Path == languageFilePath(files.BesideProgram, files.Search)) return;
    const QString failure =
        storeLanguageChoice(languageChoicePath(files.BesideProgram, files.Search), entry.Code);
    if (!failure.isEmpty()) {
        FShowError(FTexts.LanguageNotStored().arg(failure));
        return;
    }
    FRestart(restartArguments(startArguments(), FForm.Study()->state()));
}
