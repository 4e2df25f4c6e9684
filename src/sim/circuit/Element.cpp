#include "sim/circuit/Element.h"

bool Element::isSource() const
{
    return kind == ElementKind::VoltageSource || kind == ElementKind::CurrentSource || kind == ElementKind::TestSource
           || kind == ElementKind::PowerSupply;
}

namespace Elements {

Element resistor(const QString& name, int first, int second, double ohms)
{
    Element element;
    element.kind = ElementKind::Resistor;
    element.name = name;
    element.first = first;
    element.second = second;
    element.value = ohms;
    return element;
}

Element fusedShunt(const QString& name, int first, int second, double ohms, const FuseModel& fuse)
{
    Element element = resistor(name, first, second, ohms);
    element.kind = ElementKind::Fuse;
    element.fuse = fuse;
    element.fuse.resistance = ohms + fuse.resistance;
    return element;
}

Element testSource(const QString& name, int first, int second, double openVoltage, double ohms)
{
    Element element = resistor(name, first, second, openVoltage);
    element.kind = ElementKind::TestSource;
    element.seriesResistance = ohms;
    return element;
}

Element link(const QString& name, int first, int second)
{
    Element element = resistor(name, first, second, 0.0);
    element.kind = ElementKind::VoltageSource;
    return element;
}

} // namespace Elements
