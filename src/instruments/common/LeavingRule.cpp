#include "LeavingRule.h"

namespace {
const Refusal notesAndPanel{QStringLiteral("Existen notas abiertas"),
                            QStringLiteral("Cierre antes las notas abiertas y el panel frontal.")};
const Refusal notesOnly{QStringLiteral("Existen notas abiertas"), QStringLiteral("Cierre antes las notas abiertas.")};
const Refusal panelOnly{QStringLiteral("El panel está abierto"), QStringLiteral("Cierre antes el panel frontal.")};
const Refusal questionnaire{QStringLiteral("Las cuestiones están abiertas"),
                            QStringLiteral("Cierre antes la ventana de cuestiones.")};
const Refusal practice{QStringLiteral("La práctica está abierta"),
                       QStringLiteral("Cierre antes la ventana de práctica.")};
} // namespace

std::optional<Refusal> leavingRefusal(const LeavingGuards& guards, const OpenWindows& open)
{
    if (guards.notes && open.note)
        return open.panel ? notesAndPanel : notesOnly;
    if (guards.panel && open.panel)
        return panelOnly;
    if (guards.questionnaire && open.questionnaire)
        return questionnaire;
    if (guards.practice && open.practice)
        return practice;
    return std::nullopt;
}
