#include "Program.h"

#include <QCoreApplication>

namespace Program {
namespace {
bool requested = false;
}

void end()
{
    requested = true;
    QCoreApplication::exit(0);
}

bool endRequested()
{
    return requested;
}

void resetEndRequest()
{
    requested = false;
}

} // namespace Program
