#include "core/Navigation.h"

namespace Navigation {
namespace {
Leaving& backProcedure()
{
    static Leaving procedure;
    return procedure;
}
std::function<void()>& helpProcedure()
{
    static std::function<void()> procedure;
    return procedure;
}
} // namespace

void setBackToChooser(Leaving procedure)
{
    backProcedure() = std::move(procedure);
}

void backToChooser(QWidget* leaving)
{
    if (backProcedure())
        backProcedure()(leaving);
}

void setShowHelp(std::function<void()> procedure)
{
    helpProcedure() = std::move(procedure);
}

void showHelp()
{
    if (helpProcedure())
        helpProcedure()();
}

} // namespace Navigation
