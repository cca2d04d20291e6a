// Choosing the language inside the program: the Language menu, the stored choice and the window
// speaking the new language where it stands.
#include "app/languagemenu.h"
#include "app/mainmenu.h"
#include "app/studytools.h"
#include "app/velocitygraph.h"
#include "localisation/languagefileread.h"
#include "mainformfixture.h"
#include "platform/controls/stdctrls.h"
#include "scopedlanguagefiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <optional>

namespace {

// The main window with a package of three languages in a folder of its own, German by the locale.
class LanguageMenuTest : public MainFormFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share/kyvelo")));
        writeFile("share/kyvelo/kyvelo_de.itl", "[$languagename$]=Deutsch|$$\r\n[&View]=&Ansicht|$$");
        writeFile("share/kyvelo/kyvelo_el.itl",
                  "\xEF\xBB\xBF[$LanguageName$]="
                  "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC|$$\r\n"
                  "[Distance - Time - "
                  "Velocity]=\xCE\x91\xCF\x80\xCF\x8C\xCF\x83\xCF\x84\xCE\xB1\xCF\x83\xCE\xB7|$$\r\n"
                  "[&View]=&\xCE\xA0\xCF\x81\xCE\xBF\xCE\xB2\xCE\xBF\xCE\xBB\xCE\xAE|$$\r\n"
                  "[Trip profile]=\xCE\xA0\xCF\x81\xCE\xBF\xCF\x86\xCE\xAF\xCE\xBB|$$\r\n"
                  "[Velocity graph]=\xCE\x93\xCF\x81\xCE\xB1\xCF\x86\xCE\xB9\xCE\xBA\xCE\xAE|$$");
        writeFile("share/kyvelo/kyvelo_xx.itl", "[Exit]=x|$$");
        LanguageFileSearch search = systemLanguageFileSearch(root.filePath(QStringLiteral("bin")));
        search.Environment = [this](const char* name) {
            if (qstrcmp(name, "HOME") == 0) return QFile::encodeName(home);
            return QByteArray(qstrcmp(name, "LANG") == 0 ? "de_DE.UTF-8" : "");
        };
        menu = form->Languages();
        files.emplace(LanguageFiles{root.filePath(QStringLiteral("bin/kyvelo.itl")), search});
        menu->setShowError([this](const QString& message) { errors << message; });
    }

    void writeFile(const char* name, const QByteArray& content) {
        QFile file(root.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    // The entries as the menu shows them when it opens, "*" before the one checked.
    QStringList entries() const {
        emit menu->menu()->aboutToShow();
        QStringList names;
        for (const QAction* action : menu->menu()->actions())
            if (!action->isSeparator())
                names << (action->isChecked() ? QStringLiteral("*") : QString()) + action->text();
        return names;
    }
    void choose(int i) const {
        entries();
        QList<QAction*> actions = menu->menu()->actions();
        actions.removeIf([](const QAction* action) { return action->isSeparator(); });
        actions[i]->trigger();
    }
    QString choiceFile() const { return home + QStringLiteral("/.config/kyvelo/language"); }

    QTemporaryDir root;
    QString home = root.filePath(QStringLiteral("home"));
    std::optional<ScopedLanguageFiles> files;
    LanguageMenu* menu = nullptr;
    QStringList errors;
};

} // namespace

// A language chosen takes effect at once in the same window: its captions and menus speak it,
// and the points, the crosshairs, the window's size and the velocity graph's trace stay. A class's
// own file is named by "Automatic", which removes the stored choice.
TEST_F(LanguageMenuTest, AChoiceSpeaksAtOnceAndAutomaticFollowsTheClassFile) {
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("*Automatic"), QStringLiteral("Deutsch"),
                                      QString::fromUtf8("Ελληνικά"), QStringLiteral("xx")}));
    form->Study()->toggleVelocityGraph();
    form->MovePoint(2, 70);
    form->CBoxShowCH->SetChecked(false);
    const std::vector<QPointF> trace = form->Study()->graph().trace();
    ASSERT_EQ(trace.size(), 2u);
    const QSize size = form->size();

    choose(2);
    QFile stored(choiceFile());
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), QByteArray("el\n"));
    EXPECT_EQ(form->Caption(), QString::fromUtf8("Απόσταση"));
    // The menu bar: File, Picture, View, ...
    EXPECT_EQ(form->Menu()->bar()->actions()[2]->text(), QString::fromUtf8("&Προβολή"));
    EXPECT_EQ(form->Study()->actions().VelocityGraph->text(), QString::fromUtf8("Γραφική"));
    EXPECT_EQ(form->CBoxMode->findChild<QComboBox*>()->accessibleName(), QString::fromUtf8("Προφίλ"));
    EXPECT_EQ(form->SBExit->Caption(), QStringLiteral("Exit")); // a key the file lacks loses its prefix
    EXPECT_EQ(std::pair(form->Time1(), form->Time2()), std::pair(50.0, 70.0));
    EXPECT_FALSE(form->CBoxShowCH->Checked());
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(form->Study()->graph().trace(), trace);
    EXPECT_EQ(entries()[2], QString::fromUtf8("*Ελληνικά"));

    writeFile("home/.config/kyvelo/kyvelo.itl", "[$languagename$]=Klasse 7b|$$\r\n[&View]=Sicht|$$");
    EXPECT_EQ(entries()[0], QStringLiteral("Automatic: the class's file (Klasse 7b)"));
    choose(0);
    EXPECT_FALSE(QFile::exists(choiceFile()));
    EXPECT_EQ(form->Menu()->bar()->actions()[2]->text(), QStringLiteral("Sicht"));
    EXPECT_EQ(form->Caption(), QStringLiteral("Distance - Time - Velocity"));
    EXPECT_EQ(errors, QStringList());
    // A class's file that the loader would pass over (over the size cap) is not named.
    writeFile("home/.config/kyvelo/kyvelo.itl", QByteArray(kMaxLanguageFileSize + 1, ' '));
    EXPECT_EQ(entries()[0], QStringLiteral("*Automatic"));

    // A choice that cannot be stored is shown and changes nothing.
    home = root.filePath(QStringLiteral("share/kyvelo/kyvelo_de.itl")); // a file, not a folder
    choose(2);
    EXPECT_EQ(form->Menu()->bar()->actions()[2]->text(), QStringLiteral("Sicht"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("The language could not be stored: ")))
        << errors[0].toStdString();
}
