#include "sim/fg110/Fg110Model.h"

#include "sim/fg110/Fg110Exercises.h"

void Fg110Model::press(int key)
{
    m_generator.press(Fg110Key(key));
}

void Fg110Model::release(int key)
{
    m_generator.release(Fg110Key(key));
}

void Fg110Model::tick(int milliseconds)
{
    m_generator.tick(milliseconds);
}

QString Fg110Model::displayReading() const
{
    return m_generator.display().reading();
}

bool Fg110Model::blinks() const
{
    return m_generator.display().blinkingDigit >= 0;
}

bool Fg110Model::shiftLit() const
{
    return m_generator.display().shiftLamp;
}

std::optional<ScopeSignal> Fg110Model::output() const
{
    return m_generator.output();
}

int Fg110Model::exerciseCount() const
{
    return int(fg110Exercises().size());
}

ExerciseText Fg110Model::exercise(int n) const
{
    const auto& e = fg110Exercises().at(n);
    // The keys a hint lights start where the student stands: POWER too while the
    // generator is off, as the window opens it.
    // The hints' words say so too, before the exercise's own.
    const QList<int> before = keysBeforeSequence();
    const QString preparation = fg110Preparation(before, e.keysToLight);
    QList<int> lit = e.keysToLight;
    for (int key : before)
        if (!lit.contains(key))
            lit.prepend(key);
    return {e.statement, preparation + e.whichKeys, lit, preparation + e.sequenceText, e.sequence};
}

QStringList Fg110Model::differences(int n) const
{
    return fg110Exercises().at(n).differences(m_generator);
}

QList<int> Fg110Model::keysBeforeSequence() const
{
    return fg110KeysBeforeSequence(m_generator);
}
