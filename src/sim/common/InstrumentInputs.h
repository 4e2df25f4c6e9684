#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The two test leads of a meter on a bench, and the jacks their plugs go into.
enum class Lead { Red, Black };
enum class Jack { VoltsOhms, Common, Milliamps, Amps };
inline constexpr int leadCount = 2;
inline constexpr int jackCount = 4;

// Where a lead is: its plug in a jack or out, its tip on a test point (an index in the
// bench's list of points) or in the air.
struct LeadPlace {
    std::optional<Jack> jack;
    std::optional<int> point;
    bool operator==(const LeadPlace&) const = default;
};

// The inputs of an instrument that measures rather than emits: its jacks, as the panel
// prints them, the test points of the circuit in front of it, and where each lead is. The
// leads are moved by the instrument's own keys, so that a window, a demonstration and an
// exercise's solution move them alike.
class InstrumentInputs {
public:
    virtual ~InstrumentInputs() = default;
    // "V Ω ⊣", "COM", "100 mA", "10 A", in the order of `Jack`.
    virtual QStringList jackNames() const = 0;
    // The test points of the circuit on the bench, by their names ("A", "B", "+").
    virtual QStringList pointNames() const = 0;
    virtual LeadPlace lead(Lead lead) const = 0;
};

// "rojo", "negro".
QString leadName(Lead lead);
