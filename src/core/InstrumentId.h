#pragma once

enum class InstrumentId {
    Fluke45,
    Fg110,
    PowerSupply,
    Fluke73,
    Demestres2001,
    Phywe,
    Hc6000,
};
