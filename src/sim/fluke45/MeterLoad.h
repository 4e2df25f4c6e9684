#pragma once

// What the meter puts between its jacks, for the circuit it is connected to. Every path
// runs to COM through the common lead's resistance inside the meter.
//
// The V Ω jack is a Thevenin source to COM: for the volts and frequency functions no
// voltage behind the input resistance; for ohms and diode test the test source's
// open-circuit voltage behind its series resistance (the meter then works the resistance
// out from the voltage it sees, ratiometrically). The two current jacks are shunts to COM
// whatever the function, each behind its fuse: a shunt whose fuse has opened carries nothing.
struct MeterLoad {
    double inputVolts = 0;          // V Ω jack, open-circuit voltage, V
    double inputResistance = 0;     // V Ω jack, series resistance, Ω
    double milliampsShunt = 0;      // 100 mA jack to COM, Ω (shunt and fuse)
    double ampsShunt = 0;           // 10 A jack to COM, Ω
    double commonResistance = 0;    // COM jack to the meter's common point, Ω
    double milliampsFuseRating = 0; // A
    double ampsFuseRating = 0;      // A

    bool drivesTestCurrent() const { return inputVolts != 0; }
    bool operator==(const MeterLoad&) const = default;
};

// The figures of a bench meter with no test source on its V Ω jack.
MeterLoad benchMeterLoad();

// The same with the ohms or diode test source of a range.
MeterLoad testSourceLoad(double seriesResistance);

// The test source's open-circuit voltage.
inline constexpr double testSourceVolts = 3.2;
