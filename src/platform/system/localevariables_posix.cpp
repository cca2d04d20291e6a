#include "platform/system/localevariables.h"

QByteArray localeVariable(const char* name) {
    return qgetenv(name);
}
