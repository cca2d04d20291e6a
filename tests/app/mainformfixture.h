// The program's two windows in tests, made as the program makes them: the About dialog, which is
// also the start-up screen, and the main window read from its shipped layout at the resolution that
// layout states, so the chart has the size the simulation was laid out for.
#pragma once

#include "../startupscreen.h"
#include "app/aboutbox.h"
#include "app/layoutresources.h"
#include "app/mainfrm.h"
#include "platform/layout/layoutparser.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <utility>
#include <vector>

inline QString shippedMainLayout() {
    initLayoutResources();
    QFile file(QStringLiteral(":/layouts/mainfrm.lfm"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// An integer the shipped layout states for the main window itself, such as "ClientWidth".
inline int shippedLayoutValue(const char* name) {
    for (const LayoutProperty& property :
         parseLayout(shippedMainLayout(), QStringLiteral("mainfrm.lfm")).Properties)
        if (property.Name == QLatin1String(name)) return static_cast<int>(property.Value.Integer);
    ADD_FAILURE() << "the main window's layout states no " << name;
    return 0;
}

// The resolution the main window's layout was designed at: the screen the tests pretend.
inline int layoutPixelsPerInch() {
    static const int value = shippedLayoutValue("PixelsPerInch");
    return value;
}

// A copy of the shipped layout with texts replaced, to see what the main window does with a layout
// other than its own. Each edit replaces every occurrence of its first text, which must be there,
// by its second.
using LayoutEdits = std::vector<std::pair<QString, QString>>;

class EditedLayout {
public:
    explicit EditedLayout(const LayoutEdits& edits) {
        QString text = shippedMainLayout();
        for (const auto& [from, to] : edits) {
            EXPECT_TRUE(text.contains(from)) << qPrintable(from);
            text.replace(from, to);
        }
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    QString path() const { return dir.filePath(QStringLiteral("edited.lfm")); }

private:
    QTemporaryDir dir;
};

struct ProgramWindows {
    explicit ProgramWindows(int screenPixelsPerInch = layoutPixelsPerInch())
        : form(new TForm1(screenPixelsPerInch)) {}
    explicit ProgramWindows(const LayoutEdits& edits)
        : form(new TForm1(layoutPixelsPerInch(), EditedLayout(edits).path())) {}

    std::unique_ptr<TFrmAbout> about{FrmAbout = new TFrmAbout};
    std::unique_ptr<TForm1> form;
};

// Where the client area, which the layout lays out, begins in the window: under the menu bar.
inline int clientTop(const TForm1& form) {
    return form.height() - form.ClientHeight();
}

// The tests of the main window once it is up: shown past its start-up screen.
class MainFormFixture : public testing::Test, protected ProgramWindows {
protected:
    MainFormFixture() { showPastStartupScreen(*form); }
};
