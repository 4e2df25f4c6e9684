#include "instruments/fg110/practice/Fg110Face.h"

#include "instruments/fg110/practice/Fg110DisplayPainter.h"
#include "instruments/fg110/practice/Fg110PanelKeys.h"
#include "sim/fg110/Fg110Model.h"

QString Fg110Face::pictureName() const
{
    return QStringLiteral("panels/fg110");
}

QSize Fg110Face::pictureSize() const
{
    return Fg110PanelPlaces::picture;
}

const std::vector<PanelKey>& Fg110Face::keys() const
{
    return fg110PanelKeys();
}

int Fg110Face::wheelDownKey() const
{
    return int(Fg110Key::KnobDown);
}

int Fg110Face::wheelUpKey() const
{
    return int(Fg110Key::KnobUp);
}

QRect Fg110Face::displayRect() const
{
    return Fg110PanelPlaces::display;
}

void Fg110Face::paintDisplay(QPainter& painter, bool blinkOn) const
{
    paintFg110Display(painter, m_model.generator().display(), blinkOn);
}
