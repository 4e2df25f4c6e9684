#pragma once

#include "instruments/common/InstrumentWindow.h"

// The FG110 function generator's window.
class TFormfg110 : public InstrumentWindow
{
    Q_OBJECT
public:
    TFormfg110();
};
