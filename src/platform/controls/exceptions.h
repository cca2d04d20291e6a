// The framework's base exception and the component library's base exception. Every component
// of the library raises its own class derived from EVRXError; the message is the whole text
// a user sees.
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message);

    const QString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

class EVRXError : public Exception {
public:
    using Exception::Exception;
};

// The message form of visual components: Component "Name": text
QString componentMessage(const QString& componentName, const QString& text);
