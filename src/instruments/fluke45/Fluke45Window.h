#pragma once

#include "instruments/common/InstrumentWindow.h"

// The Fluke 45 dual-display bench multimeter's window. Its note windows, front panel and
// questionnaire are opened from its "Opciones" menu.
class Fluke45Window : public InstrumentWindow
{
    Q_OBJECT
public:
    Fluke45Window();

protected:
    // A Fluke 45 note is open when the open-notes set holds note 1 or note 2.
    bool noteOpen() const override;

private:
    static void openNote(int note);
};
