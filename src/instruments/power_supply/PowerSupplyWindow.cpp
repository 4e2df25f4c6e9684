#include "PowerSupplyWindow.h"

#include "PowerSupplyNotes.h"
#include "PowerSupplyObjectNames.h"
#include "PowerSupplyStartupNote.h"
#include "platform/MessageBoxes.h"

#include <QMenu>

PowerSupplyWindow::PowerSupplyWindow(const InstrumentDefinition& instrument)
    : InstrumentWindow(instrument)
{
    QMenu* notes = addNotesMenu();
    QAction* tierra = notes->addAction(QStringLiteral("Conexión a tierra"));
    tierra->setObjectName(PowerSupplyNames::earthingMenuItem);
    connect(tierra, &QAction::triggered, this, &PowerSupplyWindow::showEarthingNote);
    QAction* marcha = notes->addAction(QStringLiteral("Puesta en marcha"));
    marcha->setObjectName(PowerSupplyNames::startupMenuItem);
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
