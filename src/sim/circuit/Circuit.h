#pragma once

#include "sim/circuit/Element.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// A point of the circuit's picture where a lead's tip can go: a node, by its name.
struct TestPoint {
    QString node;
    QPoint position; // on the circuit's picture, in picture pixels
};

// A resistor whose value the student finds only by measuring: drawn once per window,
// within its tolerance around the value the file gives.
struct HiddenValue {
    QString element;
    double nominal = 0.0;
    double tolerance = 0.0; // a fraction: 0.05 for 5 %
};

// Where a break in the circuit lets a series current be measured: a link between two
// nodes, which the bench removes to put the meter across them.
struct CircuitBreak {
    QString link; // the link's element name
    int first = 0;
    int second = 0;
};

// A bench circuit: its nodes, its elements, and what the bench needs to draw and drive it.
// Node 0 is ground. Extra elements (the meter's inputs, a test source) are attached and
// detached by name; the circuit's own elements are those it was made with.
class Circuit {
public:
    Circuit();

    QString title;
    std::vector<TestPoint> testPoints;
    std::vector<HiddenValue> hiddenValues;
    std::vector<CircuitBreak> breaks;

    // The node named so (case does not count; "0" and "gnd" are ground), made if new.
    int node(const QString& name);
    // Gives ground a name of its own besides "0" and "gnd" (the name its test point shows);
    // false when a node of that name already exists.
    bool nameGround(const QString& name);
    // The node named so, or -1.
    int findNode(const QString& name) const;
    QString nodeName(int node) const { return m_nodeNames.value(node); }
    int nodeCount() const { return int(m_nodeNames.size()); }

    // Adds an element and gives its index; an element of the same name is replaced.
    int attach(Element element);
    // Removes the element named so; false when there is none.
    bool detach(const QString& name);
    // The element named so (case does not count), or nullptr.
    Element* element(const QString& name);
    const Element* element(const QString& name) const;
    int elementIndex(const QString& name) const;
    std::vector<Element>& elements() { return m_elements; }
    const std::vector<Element>& elements() const { return m_elements; }

    // The supply and the generator, when the circuit has them (else nullptr).
    Element* supply() { return element(supplyName()); }
    Element* generator() { return element(generatorName()); }
    static QString supplyName() { return QStringLiteral("SUPPLY"); }
    static QString generatorName() { return QStringLiteral("GENERATOR"); }

    // Draws every hidden value within its tolerance; the same seed draws the same values.
    void drawHiddenValues(std::uint64_t seed);
    // Puts every fuse back, closed and cool.
    void replaceFuses();
    // Forgets what the parts carried from earlier solves (charges, heat, open fuses).
    void resetState();

private:
    QStringList m_nodeNames;
    QHash<QString, int> m_nodeByKey;
    std::vector<Element> m_elements;
};
