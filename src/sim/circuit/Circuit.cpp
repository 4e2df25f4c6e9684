#include "sim/circuit/Circuit.h"

#include <random>

namespace {
QString nodeKey(const QString& name)
{
    const QString key = name.toLower();
    return key == QLatin1String("gnd") ? QStringLiteral("0") : key;
}
} // namespace

Circuit::Circuit()
{
    m_nodeNames << QStringLiteral("0");
    m_nodeByKey.insert(QStringLiteral("0"), 0);
}

int Circuit::node(const QString& name)
{
    const QString key = nodeKey(name);
    const auto found = m_nodeByKey.constFind(key);
    if (found != m_nodeByKey.constEnd())
        return *found;
    m_nodeNames << name;
    m_nodeByKey.insert(key, int(m_nodeNames.size()) - 1);
    return int(m_nodeNames.size()) - 1;
}

bool Circuit::nameGround(const QString& name)
{
    if (findNode(name) >= 0)
        return false;
    m_nodeNames[0] = name;
    m_nodeByKey.insert(nodeKey(name), 0);
    return true;
}

int Circuit::findNode(const QString& name) const
{
    return m_nodeByKey.value(nodeKey(name), -1);
}

int Circuit::attach(Element element)
{
    const int existing = elementIndex(element.name);
    if (existing >= 0) {
        m_elements[std::size_t(existing)] = std::move(element);
        return existing;
    }
    m_elements.push_back(std::move(element));
    return int(m_elements.size()) - 1;
}

bool Circuit::detach(const QString& name)
{
    const int index = elementIndex(name);
    if (index < 0)
        return false;
    m_elements.erase(m_elements.begin() + index);
    return true;
}

int Circuit::elementIndex(const QString& name) const
{
    for (std::size_t i = 0; i < m_elements.size(); ++i)
        if (m_elements[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

Element* Circuit::element(const QString& name)
{
    const int index = elementIndex(name);
    return index < 0 ? nullptr : &m_elements[std::size_t(index)];
}

const Element* Circuit::element(const QString& name) const
{
    const int index = elementIndex(name);
    return index < 0 ? nullptr : &m_elements[std::size_t(index)];
}

void Circuit::drawHiddenValues(std::uint64_t seed)
{
    std::mt19937_64 generator(seed);
    for (const HiddenValue& hidden : hiddenValues) {
        // Uniform in [-1, 1), from the generator's bits alone, so that every library draws alike.
        const double unit = double(generator() >> 11) * 0x1.0p-53 * 2.0 - 1.0;
        if (Element* resistor = element(hidden.element))
            resistor->value = hidden.nominal * (1.0 + hidden.tolerance * unit);
    }
}

void Circuit::replaceFuses()
{
    for (Element& part : m_elements) {
        part.fuseOpen = false;
        part.fuseHeat = 0.0;
    }
}

void Circuit::resetState()
{
    for (Element& part : m_elements) {
        part.capacitorVoltage = 0.0;
        part.capacitorCurrent = 0.0;
        part.lampHeat = 0.0;
        part.supplyLimiting = false;
    }
    replaceFuses();
}
