#include "Fg110Window.h"

Fg110Window::Fg110Window()
    : InstrumentWindow(InstrumentId::Fg110)
{
}
