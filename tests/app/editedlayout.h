// The main window read from a copy of its stored layout with some texts replaced, to see what the
// window does with a layout other than the shipped one.
#pragma once

#include "app/layoutresources.h"
#include "app/mainfrm.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <utility>
#include <vector>

// Each edit replaces every occurrence of its first text, which must be there, by its second.
inline std::unique_ptr<TForm1> formFromEditedLayout(const std::vector<std::pair<QString, QString>>& edits) {
    initLayoutResources();
    QFile original(QStringLiteral(":/layouts/mainfrm.lfm"));
    EXPECT_TRUE(original.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(original.readAll());
    for (const auto& [from, to] : edits) {
        EXPECT_TRUE(text.contains(from)) << qPrintable(from);
        text.replace(from, to);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edited.lfm"));
    QFile edited(path);
    EXPECT_TRUE(edited.open(QIODevice::WriteOnly));
    edited.write(text.toUtf8());
    edited.close();
    return std::make_unique<TForm1>(120, path); // the resolution the layout was made for
}
