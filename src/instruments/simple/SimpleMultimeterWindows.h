#pragma once

#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/InstrumentWindow.h"

// The four multimeters that have only a front panel, whose photograph has no hot regions.
// They refuse nothing when left: their panel may stay open over the chooser.

class TFormFluke73Panel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    TFormFluke73Panel();
};

class TFormHC6000Panel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    TFormHC6000Panel();
};

class TFormPHYWEPanel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    TFormPHYWEPanel();
};

class TFormDemestres2001Panel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    TFormDemestres2001Panel();
};

class TFormFluke73 : public InstrumentWindow
{
    Q_OBJECT
public:
    TFormFluke73();

protected:
    void Panelfrontal1Click() override;
};

class TFormHC6000 : public InstrumentWindow
{
    Q_OBJECT
public:
    TFormHC6000();

protected:
    void Panelfrontal1Click() override;
};

class TFormPHYWE : public InstrumentWindow
{
    Q_OBJECT
public:
    TFormPHYWE();

protected:
    void Panelfrontal1Click() override;
};

class TFormDemestres2001 : public InstrumentWindow
{
    Q_OBJECT
public:
    TFormDemestres2001();

protected:
    void Panelfrontal1Click() override;
};
