#include "Ufg110.h"

TFormfg110::TFormfg110()
    : InstrumentWindow(InstrumentId::Fg110)
{
}
