// A shell that records what it is asked to open instead of opening it, put in place of the real
// one for as long as the recorder lives.
#pragma once

#include "platform/system/shellexecute.h"

#include <QCursor>
#include <QGuiApplication>

#include <functional>
#include <vector>

class ShellRecorder : public Shell {
public:
    ShellRecorder() : FPrevious(replaceShell(this)) {}
    ~ShellRecorder() override { replaceShell(FPrevious); }
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    int execute(const ShellRequest& request) override {
        Requests.push_back(request);
        const QCursor* cursor = QGuiApplication::overrideCursor();
        OverrideCursors.push_back(cursor ? cursor->shape() : Qt::ArrowCursor);
        if (OnExecute) OnExecute();
        return Result;
    }

    std::vector<ShellRequest> Requests;
    std::vector<Qt::CursorShape> OverrideCursors; // the application's cursor during each call
    std::function<void()> OnExecute;
    int Result = ShellResult::kSuccess;

private:
    Shell* FPrevious;
};
