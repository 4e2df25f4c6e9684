#include "instruments/fg110/practice/Fg110Practice.h"

#include "instruments/fg110/Fg110ObjectNames.h"
#include "instruments/fg110/practice/Fg110DisplayPainter.h"
#include "instruments/fg110/practice/Fg110Exercises.h"
#include "instruments/fg110/practice/Fg110PanelKeys.h"

QString Fg110Practice::pictureName() const
{
    return QStringLiteral("panels/fg110");
}

QSize Fg110Practice::pictureSize() const
{
    return Fg110PanelPlaces::picture;
}

const std::vector<PanelKey>& Fg110Practice::keys() const
{
    return fg110PanelKeys();
}

int Fg110Practice::wheelDownKey() const
{
    return int(Fg110Key::KnobDown);
}

int Fg110Practice::wheelUpKey() const
{
    return int(Fg110Key::KnobUp);
}

void Fg110Practice::press(int key)
{
    m_generator.press(Fg110Key(key));
}

void Fg110Practice::release(int key)
{
    m_generator.release(Fg110Key(key));
}

void Fg110Practice::tick(int milliseconds)
{
    m_generator.tick(milliseconds);
}

QRect Fg110Practice::displayRect() const
{
    return Fg110PanelPlaces::display;
}

void Fg110Practice::paintDisplay(QPainter& painter, bool blinkOn) const
{
    paintFg110Display(painter, m_generator.display(), blinkOn);
}

bool Fg110Practice::blinks() const
{
    return m_generator.display().blinkingDigit >= 0;
}

QString Fg110Practice::displayReading() const
{
    return m_generator.display().reading();
}

bool Fg110Practice::shiftLit() const
{
    return m_generator.display().shiftLamp;
}

ScopeSignal Fg110Practice::output() const
{
    return m_generator.output();
}

int Fg110Practice::exerciseCount() const
{
    return int(fg110Exercises().size());
}

ExerciseText Fg110Practice::exercise(int n) const
{
    const auto& e = fg110Exercises().at(n);
    return {e.statement, e.whichKeys, e.keysToLight, e.sequenceText, e.sequence};
}

QStringList Fg110Practice::differences(int n) const
{
    return fg110Exercises().at(n).differences(m_generator);
}

QList<int> Fg110Practice::keysBeforeSequence() const
{
    return fg110KeysBeforeSequence(m_generator);
}

const PracticeDefinition& fg110PracticeDefinition()
{
    static const PracticeDefinition definition{
        QStringLiteral("Práctica con el generador de funciones FG110"),
        QString::fromLatin1(Fg110Names::practice),
        QStringLiteral("fg110"),
        [] { return std::unique_ptr<SimulatedInstrument>(new Fg110Practice); },
    };
    return definition;
}
