// Prints the catalogues' texts as the reviewed copy beside the catalogue test holds
// them, to regenerate it after a deliberate change (README, "Para quien lo desarrolla").
#include "CatalogueTexts.h"

#include <QFile>

int main()
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    out.write((CatalogueTexts::render().join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return 0;
}
