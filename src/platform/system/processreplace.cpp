#include "platform/system/processreplace.h"

#include "platform/system/lasterror.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

QString replaceProcess(const QByteArray& program, const QByteArrayList& arguments) {
    std::vector<char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    execv(program.constData(), argv.data());
    return systemErrorText(errno);
}
