#pragma once

#include "instruments/common/NoteWindow.h"

// The power supply's start-up note: four steps and a recommendation. While it is open
// the power supply's window cannot be left.
class TFormPromaxPuestaMarcha : public NoteWindow
{
    Q_OBJECT
public:
    TFormPromaxPuestaMarcha();

protected:
    void BitBtn1Click() override;
};
