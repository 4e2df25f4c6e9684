#pragma once

#include "instruments/common/FrontPanelExplorer.h"

// The power supply's front panel with its twelve explained controls.
class PowerSupplyPanel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    PowerSupplyPanel();
};
