#pragma once

#include "TrainerSet.h"
#include "instruments/common/FrontPanelExplorer.h"

// One of the Fluke 45's key trainers: an explorer over an enlarged picture of some of its
// keys, without sound or links. Its "&Cerrar" takes it out of the set of open trainers.
class KeyTrainer : public FrontPanelExplorer {
    Q_OBJECT
public:
    explicit KeyTrainer(Fluke45Trainer trainer);

protected:
    void closePanel() override;

private:
    Fluke45Trainer m_trainer;
};
