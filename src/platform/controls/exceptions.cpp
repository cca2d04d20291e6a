#include "platform/controls/exceptions.h"

#include <utility>

Exception::Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}

QString componentMessage(const QString& componentName, const QString& text) {
    return QStringLiteral("Component \"%1\": %2").arg(componentName, text);
}
