#include "KeyTrainer.h"

#include "Fluke45TrainerCatalogues.h"
#include "TrainerSet.h"

namespace {
const ControlCatalogue* secondFunctions(const KeyTrainerData& data)
{
    return data.secondFunctions ? &data.secondFunctions() : nullptr;
}
} // namespace

KeyTrainer::KeyTrainer(int topic)
    : FrontPanelExplorer(keyTrainerData(topic).layout(), keyTrainerData(topic).catalogue(),
                         secondFunctions(keyTrainerData(topic)))
    , m_topic(topic)
{
}

void KeyTrainer::closePanel()
{
    TrainerSet::forget(m_topic);
    FrontPanelExplorer::closePanel();
}
