// Choosing the language inside the program: the submenu of the package's languages and the stored
// choice.
#include "app/chartaccess.h"
#include "app/languagemenu.h"
#include "mainformfixture.h"
#include "scopedlanguagefiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <optional>

namespace {

// The main window with a package of three languages in a folder of its own, German by the locale.
class LanguageMenuTest : public MainFormFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share/kyvelo")));
        writePackageFile("de", "[$languagename$]=Deutsch|$$");
        writePackageFile("el", "\xEF\xBB\xBF[$LanguageName$]=\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9"
                               "\xCE\xBA\xCE\xAC|$$");
        writePackageFile("xx", "[Exit]=x|$$");
        LanguageFileSearch search = systemLanguageFileSearch(root.filePath(QStringLiteral("bin")));
        search.Environment = [this](const char* name) {
            if (qstrcmp(name, "HOME") == 0) return QFile::encodeName(home);
            return QByteArray(qstrcmp(name, "LANG") == 0 ? "de_DE.UTF-8" : "");
        };
        menu = form->Languages();
        files.emplace(LanguageFiles{root.filePath(QStringLiteral("bin/kyvelo.itl")), search});
        menu->setRestart([this](const QByteArrayList& arguments) { restarts << arguments; });
        menu->setShowError([this](const QString& message) { errors << message; });
        form->Access()->showMenu(QPoint(10, 10));
        form->Access()->menu()->hide();
    }

    void writePackageFile(const char* code, const QByteArray& content) {
        QFile file(root.filePath(QStringLiteral("share/kyvelo/kyvelo_%1.itl").arg(QLatin1String(code))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QStringList entries() const {
        QStringList names;
        for (const QAction* action : menu->menu()->actions())
            names << (action->isChecked() ? QStringLiteral("*") : QString()) + action->text();
        return names;
    }
    QAction* entry(int i) const { return menu->menu()->actions()[i]; }

    QTemporaryDir root;
    QString home = root.filePath(QStringLiteral("home"));
    std::optional<ScopedLanguageFiles> files;
    LanguageMenu* menu = nullptr;
    QList<QByteArrayList> restarts;
    QStringList errors;
};

} // namespace

TEST_F(LanguageMenuTest, ListsThePackagesLanguagesByTheirOwnNamesAndRestartsInTheOneChosen) {
    // By code; a file that names no language shows its code; the locale's language is in use.
    EXPECT_EQ(entries(),
              (QStringList{QStringLiteral("*Deutsch"), QString::fromUtf8("Ελληνικά"), QStringLiteral("xx")}));
    // The language in use is no change.
    entry(0)->trigger();
    EXPECT_FALSE(QFile::exists(home + QStringLiteral("/.config/kyvelo/language")));
    EXPECT_EQ(restarts.size(), 0);

    form->MovePoint(2, 70);
    entry(1)->trigger();
    QFile stored(home + QStringLiteral("/.config/kyvelo/language"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), QByteArray("el\n"));
    ASSERT_EQ(restarts.size(), 1);
    EXPECT_EQ(restarts[0].mid(restarts[0].size() - 4),
              (QByteArrayList{"--profile", "1", "--points", "50,70"}));
    EXPECT_EQ(errors, QStringList());

    // A choice that cannot be stored is shown and starts nothing.
    home = root.filePath(QStringLiteral("share/kyvelo/kyvelo_de.itl")); // a file, not a folder
    entry(1)->trigger();
    EXPECT_EQ(restarts.size(), 1);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("The language could not be stored: ")))
        << errors[0].toStdString();
}
