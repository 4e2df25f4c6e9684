#include "ChooserTable.h"

const std::vector<ChooserEntry>& chooserTable()
{
    static const std::vector<ChooserEntry> table{
        {6, "chooser/fluke45", "Image6", {"Image9", "Image10", "Image11"}, "Multímetro Dual Fluke45",
         {9, 28, 218, 73}, {34, 6, 151, 61}, {36, 6}, {QSize{151, 61}, {98, 61}, {49, 61}},
         "Multímetro &Dual Fluke45", "MultmetroDual1", true, InstrumentId::Fluke45},
        {1, "chooser/fg110", "Image1", {"Image14", "Image15", "Image16"}, "Generador de funciones FG110",
         {228, 27, 191, 74}, {18, 6, 151, 61}, {18, 6}, {QSize{151, 61}, {116, 61}, {74, 61}},
         "&Generador de funciones FG110", "Generadordefunciones1", false, InstrumentId::Fg110},
        {7, "chooser/promax", "Image7", {"Image8", "Image4", "Image13"}, "Fuente de alimentación PROMAX",
         {9, 102, 135, 135}, {8, 18, 120, 100}, {8, 18}, {QSize{120, 100}, {98, 100}, {73, 100}},
         "&Fuente de alimentación Promax", "Fuentedealimentacin1", false, InstrumentId::PowerSupply},
        {12, "chooser/fluke73", "Image12", {"Image17", "Image18", "Image19"}, "Multímetro Fluke73",
         {146, 102, 65, 135}, {4, 5, 55, 118}, {4, 6}, {QSize{55, 118}, {40, 118}, {25, 118}},
         "Multímetro Fluke &73", "MultmetroFluke731", true, InstrumentId::Fluke73},
        {3, "chooser/demestres2001", "Image3", {"Image26", "Image27", "Image28"}, "Multímetro Demestres 2001",
         {213, 102, 68, 135}, {8, 18, 52, 97}, {8, 18}, {QSize{52, 97}, {38, 97}, {25, 97}},
         "Multímetro D&emestres 2001", "MultmetroDemestres20011", true, InstrumentId::Demestres2001},
        {2, "chooser/phywe", "Image2", {"Image23", "Image24", "Image25"}, "Multímetro PHYWE",
         {282, 102, 67, 135}, {6, 20, 56, 94}, {6, 20}, {QSize{56, 94}, {44, 94}, {27, 94}},
         "Multímetro &PHYWE", "MultmetroPHYWE1", true, InstrumentId::Phywe},
        {5, "chooser/hc6000", "Image5", {"Image20", "Image21", "Image22"}, "Multímetro HC6000",
         {351, 102, 68, 135}, {8, 14, 52, 104}, {8, 14}, {QSize{52, 104}, {41, 104}, {22, 104}},
         "Multímetro &HC6000", "MultmetroHC60001", true, InstrumentId::Hc6000},
    };
    return table;
}

const std::vector<int>& multimeterMenuOrder()
{
    // Fluke 45, HC6000, Fluke 73, PHYWE, Demestres 2001
    static const std::vector<int> order{6, 5, 12, 2, 3};
    return order;
}
