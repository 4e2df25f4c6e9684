#include "UPromPan.h"

#include "PromaxCatalogue.h"

TFormPromaxPanel::TFormPromaxPanel()
    : FrontPanelExplorer(promaxPanelLayout(), promaxCatalogue())
{
}
