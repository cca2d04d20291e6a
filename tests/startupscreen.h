// The program's two windows in tests: the main window is shown as the program block shows it, and
// the start-up screen that opens first is closed with its OK button as soon as it is up.
#pragma once

#include "app/aboutbox.h"
#include "platform/controls/buttons.h"

#include <QTimer>

#include <functional>

// Shows the main window; while the start-up screen is up, look runs first (if given), then OK is
// pressed. Returns whether the start-up screen came up.
inline bool showPastStartupScreen(TForm& main, const std::function<void()>& look = {}) {
    bool shown = false;
    QTimer press; // fires inside the start-up screen's loop, or never when none opens
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout, [&] {
        shown = FrmAbout->isVisible();
        if (look) look();
        FrmAbout->BButOK->Click();
    });
    press.start(0);
    main.show();
    return shown;
}
