#pragma once

#include "instruments/common/InstrumentWindow.h"

// The FG110 function generator's window.
class Fg110Window : public InstrumentWindow
{
    Q_OBJECT
public:
    Fg110Window();
};
