// Link windows of a class of the tests' own.
#pragma once

#include "platform/system/linkwindow.h"

#include <gtest/gtest.h>

#include <memory>

inline const QString kClass = QStringLiteral("TestLinkClass");

inline std::unique_ptr<LinkWindow> makeWindow(const QString& title) {
    LinkWindow::Created created = LinkWindow::create(kClass, title);
    EXPECT_EQ(created.Error, LinkWindow::Failure::None) << created.Directory.Problem.toStdString();
    return std::move(created.Window);
}
