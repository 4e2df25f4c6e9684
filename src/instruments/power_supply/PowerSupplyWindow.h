#pragma once

#include "instruments/common/InstrumentWindow.h"

// The laboratory power supply's window, with its two notes under "&Notas generales".
class PowerSupplyWindow : public InstrumentWindow {
    Q_OBJECT
public:
    explicit PowerSupplyWindow(const InstrumentDefinition& instrument);

private:
    void showEarthingNote();
    void openStartupNote();
};
