#include "InstrumentWindowTable.h"

#include <map>

const InstrumentWindowData& instrumentWindowData(InstrumentId instrument)
{
    static const std::map<InstrumentId, InstrumentWindowData> table{
        {InstrumentId::Fluke45,
         {"FormFluke45", "Multímetro Dual Fluke 45", {0, 1}, {356, 170}, "fluke45", {130, 0, 207, 107},
          {6, 54, 151, 61}, "MediaPlayerFluke45", "SOND\\FLUKE45S.WAV", true, {true, true, true}}},
        {InstrumentId::Fg110,
         {"Formfg110", "Generador de funciones FG110", {1, 1}, {376, 170}, "fg110", {122, 4, 232, 112},
          {4, 62, 151, 61}, "MediaPlayerfg", "SOND\\FG110S.WAV", false, {false, true, true}}},
        {InstrumentId::PowerSupply,
         {"Form2", "Fuente de Alimentación PROMAX", {-1, -1}, {389, 170}, "promax", {140, 2, 229, 120},
          {20, 20, 120, 100}, "MediaPlayerpromax", "SOND\\PROMAXS.WAV", true, {true, true, false}}},
        {InstrumentId::Fluke73,
         {"FormFluke73", "Multímetro Fluke 73", {218, 113}, {242, 184}, "fluke73", {78, 8, 144, 106},
          {16, 10, 55, 118}, "MediaPlayerfluke73", "SOND\\FLUKE43S.WAV", true, {}}},
        {InstrumentId::Demestres2001,
         {"FormDemestres2001", "Multímetro Demestres 2001", {218, 113}, {318, 168}, "demestres2001",
          {66, 2, 229, 115}, {10, 10, 52, 97}, "MediaPlayerpromax", "SOND\\DEMESTS.WAV", false, {}}},
        {InstrumentId::Phywe,
         {"FormPHYWE", "Multímetro PHYWE", {218, 113}, {242, 159}, "phywe", {76, 4, 144, 105},
          {16, 8, 56, 94}, "MediaPlayerPHYWE", "SOND\\FG110S.WAV", true, {}}},
        {InstrumentId::Hc6000,
         {"FormHC6000", "Multímetro HC-6000", {218, 113}, {243, 166}, "hc6000", {66, 10, 144, 101},
          {10, 10, 52, 104}, "MediaPlayerhc6000", "SOND\\HC6000S.WAV", false, {}}},
    };
    return table.at(instrument);
}
