#include "instruments/fluke45/practice/Fluke45Face.h"

#include "instruments/fluke45/practice/Fluke45DisplayPainter.h"
#include "instruments/fluke45/practice/Fluke45PanelKeys.h"
#include "sim/fluke45/Fluke45Meter.h"

QString Fluke45Face::pictureName() const
{
    return QStringLiteral("panels/fluke45");
}

QSize Fluke45Face::pictureSize() const
{
    return Fluke45PanelPlaces::picture;
}

const std::vector<PanelKey>& Fluke45Face::keys() const
{
    return fluke45PanelKeys();
}

QRect Fluke45Face::displayRect() const
{
    return Fluke45PanelPlaces::display;
}

void Fluke45Face::paintDisplay(QPainter& painter, bool blinkOn) const
{
    paintFluke45Display(painter, m_meter.display(), blinkOn);
}
