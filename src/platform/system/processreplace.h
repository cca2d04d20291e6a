// Starting a program anew in place of the running one: the same process, so the same id, parent
// and terminal. Whatever the running program holds that the new start must not find taken (its
// single-copy lock, its link window) has to be let go before.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// arguments[0] is the name the program sees as its own. Returns only when the start failed, with
// the system's reason.
QString replaceProcess(const QByteArray& program, const QByteArrayList& arguments);
