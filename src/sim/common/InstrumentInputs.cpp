#include "sim/common/InstrumentInputs.h"

QString leadName(Lead lead)
{
    return lead == Lead::Red ? QStringLiteral("rojo") : QStringLiteral("negro");
}
