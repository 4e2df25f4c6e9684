#include "core/Navigation.h"

namespace Navigation {
namespace {
Leaving& backProcedure()
{
    static Leaving procedure;
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

} // namespace Navigation
