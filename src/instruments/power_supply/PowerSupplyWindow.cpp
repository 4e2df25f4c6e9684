#include "PowerSupplyWindow.h"

#include "PowerSupplyNotes.h"
#include "PowerSupplyStartupNote.h"
#include "platform/MessageBoxes.h"

#include <QMenu>

PowerSupplyWindow::PowerSupplyWindow()
    : InstrumentWindow(InstrumentId::PowerSupply)
{
    QMenu* notes = addNotesMenu();
    QAction* tierra = notes->addAction(QStringLiteral("Conexión a tierra"));
    tierra->setObjectName(QStringLiteral("Conexinatierra1"));
    connect(tierra, &QAction::triggered, this, &PowerSupplyWindow::showEarthingNote);
    QAction* marcha = notes->addAction(QStringLiteral("Puesta en marcha"));
    marcha->setObjectName(QStringLiteral("Puestaenmarcha1"));
    connect(marcha, &QAction::triggered, this, &PowerSupplyWindow::openStartupNote);
    // A new power-supply window starts with no note open.
    if (isCreated())
        appState().openNotes.clear();
}

bool PowerSupplyWindow::noteOpen() const
{
    return !appState().openNotes.isEmpty();
}

void PowerSupplyWindow::showEarthingNote()
{
    MessageBoxes::show(this, earthingNote().caption, earthingNote().text, MessageBoxes::Icon::None);
}

void PowerSupplyWindow::openStartupNote()
{
    if (!appState().openNotes.contains(Note::PowerSupplyStartup))
        Navigation::navigate<PowerSupplyStartupNote>();
    appState().openNotes = {Note::PowerSupplyStartup};
}
