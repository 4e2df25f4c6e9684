#include "sim/fluke45/MeterLoad.h"

MeterLoad benchMeterLoad()
{
    MeterLoad load;
    load.inputResistance = 10e6;
    load.milliampsShunt = 1.0;
    load.ampsShunt = 0.01;
    load.commonResistance = 0.01;
    load.milliampsFuseRating = 0.5;
    load.ampsFuseRating = 15;
    return load;
}

MeterLoad testSourceLoad(double seriesResistance)
{
    MeterLoad load = benchMeterLoad();
    load.inputVolts = testSourceVolts;
    load.inputResistance = seriesResistance;
    return load;
}
