#pragma once

#include "instruments/common/NoteWindow.h"

// The power supply's start-up note: four steps and a recommendation. While it is open
// the power supply's window cannot be left.
class PowerSupplyStartupNote : public NoteWindow {
    Q_OBJECT
public:
    PowerSupplyStartupNote();

protected:
    void closeNote() override;
};
