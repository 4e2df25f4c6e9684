#include "KeyTrainer.h"

#include "Fluke45TrainerCatalogues.h"
#include "TrainerSet.h"

namespace {
const ControlCatalogue* secondFunctions(const KeyTrainerData& data)
{
    return data.secondFunctions ? &data.secondFunctions() : nullptr;
}
} // namespace

KeyTrainer::KeyTrainer(Fluke45Trainer trainer)
    : FrontPanelExplorer(keyTrainerData(trainer).layout(), keyTrainerData(trainer).catalogue(),
                         secondFunctions(keyTrainerData(trainer)))
    , m_trainer(trainer)
{ }

void KeyTrainer::closePanel()
{
    TrainerSet::forget(m_trainer);
    FrontPanelExplorer::closePanel();
}
