#pragma once

#include "instruments/common/InstrumentWindow.h"

// The laboratory power supply's window, with its two notes under "&Notas generales".
class TForm2 : public InstrumentWindow
{
    Q_OBJECT
public:
    TForm2();

protected:
    void Panelfrontal1Click() override;
    bool noteOpen() const override;

private:
    void Conexinatierra1Click();
    void Puestaenmarcha1Click();
};
