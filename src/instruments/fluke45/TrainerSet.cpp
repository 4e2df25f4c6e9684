#include "TrainerSet.h"

#include "KeyTrainer.h"
#include "core/Navigation.h"

#include <QPointer>
#include <array>

namespace TrainerSet {
namespace {

std::array<QPointer<KeyTrainer>, Count + 1>& trainers() // numbered from 1
{
    static std::array<QPointer<KeyTrainer>, Count + 1> open;
    return open;
}

bool valid(Fluke45Trainer trainer)
{
    return int(trainer) >= 1 && int(trainer) <= Count;
}

} // namespace

void open(Fluke45Trainer which)
{
    if (!valid(which))
        return;
    QPointer<KeyTrainer>& trainer = trainers()[std::size_t(which)];
    if (trainer) {
        trainer->raise();
        trainer->activateWindow();
        return;
    }
    trainer = Navigation::present(new KeyTrainer(which));
}

void closeAll()
{
    for (int topic = 1; topic <= Count; ++topic)
        if (QPointer<KeyTrainer>& trainer = trainers()[std::size_t(topic)]) {
            Navigation::release(trainer);
            trainer = nullptr;
        }
}

void forget(Fluke45Trainer trainer)
{
    if (valid(trainer))
        trainers()[std::size_t(trainer)] = nullptr;
}

bool isOpen(Fluke45Trainer trainer)
{
    return valid(trainer) && trainers()[std::size_t(trainer)];
}

} // namespace TrainerSet
