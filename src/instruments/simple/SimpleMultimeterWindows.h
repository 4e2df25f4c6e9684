#pragma once

#include "instruments/common/FrontPanelExplorer.h"
#include "instruments/common/InstrumentWindow.h"

// The four multimeters that have only a front panel, whose photograph has no hot regions.
// They refuse nothing when left: their panel may stay open over the chooser.

class Fluke73Panel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    Fluke73Panel();
};

class Hc6000Panel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    Hc6000Panel();
};

class PhywePanel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    PhywePanel();
};

class Demestres2001Panel : public FrontPanelExplorer
{
    Q_OBJECT
public:
    Demestres2001Panel();
};

class Fluke73Window : public InstrumentWindow
{
    Q_OBJECT
public:
    Fluke73Window();

protected:
    void openFrontPanel() override;
};

class Hc6000Window : public InstrumentWindow
{
    Q_OBJECT
public:
    Hc6000Window();

protected:
    void openFrontPanel() override;
};

class PhyweWindow : public InstrumentWindow
{
    Q_OBJECT
public:
    PhyweWindow();

protected:
    void openFrontPanel() override;
};

class Demestres2001Window : public InstrumentWindow
{
    Q_OBJECT
public:
    Demestres2001Window();

protected:
    void openFrontPanel() override;
};
