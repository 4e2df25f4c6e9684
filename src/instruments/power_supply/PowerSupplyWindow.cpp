#include "PowerSupplyWindow.h"

#include "PowerSupplyNotes.h"
#include "PowerSupplyStartupNote.h"
#include "platform/MessageBoxes.h"

#include <QMenu>

PowerSupplyWindow::PowerSupplyWindow(const InstrumentDefinition& instrument)
    : InstrumentWindow(instrument)
{
    QMenu* notes = addNotesMenu();
    QAction* tierra = notes->addAction(QStringLiteral("Conexión a tierra"));
    tierra->setObjectName(QStringLiteral("Conexinatierra1"));
    connect(tierra, &QAction::triggered, this, &PowerSupplyWindow::showEarthingNote);
    QAction* marcha = notes->addAction(QStringLiteral("Puesta en marcha"));
    marcha->setObjectName(QStringLiteral("Puestaenmarcha1"));
    connect(marcha, &QAction::triggered, this, &PowerSupplyWindow::openStartupNote);
}

void PowerSupplyWindow::showEarthingNote()
{
    MessageBoxes::show(this, earthingNote().caption, earthingNote().text, MessageBoxes::Icon::None);
}

void PowerSupplyWindow::openStartupNote()
{
    if (!powerSupplyOpenNotes().contains(PowerSupplyNoteSubject::Startup))
        Navigation::navigate<PowerSupplyStartupNote>();
    powerSupplyOpenNotes().insert(PowerSupplyNoteSubject::Startup);
}
