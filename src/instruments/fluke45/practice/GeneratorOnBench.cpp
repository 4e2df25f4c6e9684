#include "instruments/fluke45/practice/GeneratorOnBench.h"

#include "sim/bench/Fluke45Bench.h"

void GeneratorOnBench::press(int key)
{
    m_bench.press(BenchKey::generator(Fg110Key(key)));
}

void GeneratorOnBench::release(int key)
{
    m_bench.release(BenchKey::generator(Fg110Key(key)));
}

QString GeneratorOnBench::displayReading() const
{
    return m_bench.generator().displayReading();
}

bool GeneratorOnBench::blinks() const
{
    return m_bench.generator().blinks();
}

bool GeneratorOnBench::shiftLit() const
{
    return m_bench.generator().shiftLit();
}
