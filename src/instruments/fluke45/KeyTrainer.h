#pragma once

#include "instruments/common/FrontPanelExplorer.h"

// One of the Fluke 45's key trainers: an explorer over an enlarged picture of some of its
// keys, without sound or links. Its "&Cerrar" takes it out of the set of open trainers.
class KeyTrainer : public FrontPanelExplorer
{
    Q_OBJECT
public:
    // topic: 1 modifier keys, 2 range keys, 3 function keys.
    explicit KeyTrainer(int topic);

protected:
    void closePanel() override;

private:
    int m_topic;
};
