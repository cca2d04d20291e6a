// The application object. An exception that escapes an event handler does not end the program: as
// the desktop framework does, it is shown to the user in a message box and the message loop goes on.
#pragma once

#include <QApplication>

#include <exception>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    // Shows the exception's message; also where timer handlers' exceptions go.
    static void HandleException(const std::exception& e);
};
