#include "platform/controls/application.h"

#include "platform/controls/exceptions.h"
#include "platform/controls/intervaltimer.h"

#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setTimerExceptionHandler(&TApplication::HandleException);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        HandleException(e);
        return false;
    }
}

void TApplication::HandleException(const std::exception& e) {
    const auto* own = dynamic_cast<const Exception*>(&e);
    const QString text = own ? own->Message() : QString::fromLocal8Bit(e.what());
    QMessageBox::critical(activeWindow(), applicationName(), text);
}
