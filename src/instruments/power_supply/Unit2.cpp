#include "Unit2.h"

#include "PromaxNotes.h"
#include "UPromMarcha.h"
#include "UPromPan.h"
#include "platform/MessageBoxes.h"

#include <QMenu>

namespace {
constexpr int StartupNote = 1;
}

TForm2::TForm2()
    : InstrumentWindow(InstrumentId::PowerSupply)
{
    QMenu* notes = addNotesMenu();
    QAction* tierra = notes->addAction(QStringLiteral("Conexión a tierra"));
    tierra->setObjectName(QStringLiteral("Conexinatierra1"));
    connect(tierra, &QAction::triggered, this, &TForm2::Conexinatierra1Click);
    QAction* marcha = notes->addAction(QStringLiteral("Puesta en marcha"));
    marcha->setObjectName(QStringLiteral("Puestaenmarcha1"));
    connect(marcha, &QAction::triggered, this, &TForm2::Puestaenmarcha1Click);
    // A new power-supply window starts with no note open.
    if (isCreated())
        appState().openNotes.clear();
}

void TForm2::Panelfrontal1Click()
{
    openPanelUnderOnePanelRule<TFormPromaxPanel>();
}

bool TForm2::noteOpen() const
{
    return !appState().openNotes.isEmpty();
}

void TForm2::Conexinatierra1Click()
{
    MessageBoxes::show(this, earthingNote().caption, earthingNote().text, MessageBoxes::Icon::None);
}

void TForm2::Puestaenmarcha1Click()
{
    if (!appState().openNotes.contains(StartupNote))
        Navigation::navigate<TFormPromaxPuestaMarcha>();
    appState().openNotes = {StartupNote};
}
