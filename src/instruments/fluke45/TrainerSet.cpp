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

bool valid(int topic)
{
    return topic >= 1 && topic <= Count;
}

} // namespace

void open(int topic)
{
    if (!valid(topic))
        return;
    QPointer<KeyTrainer>& trainer = trainers()[std::size_t(topic)];
    if (trainer) {
        trainer->raise();
        trainer->activateWindow();
        return;
    }
    trainer = Navigation::present(new KeyTrainer(topic));
}

void closeAll()
{
    for (int topic = 1; topic <= Count; ++topic)
        if (QPointer<KeyTrainer>& trainer = trainers()[std::size_t(topic)]) {
            Navigation::release(trainer);
            trainer = nullptr;
        }
}

void forget(int topic)
{
    if (valid(topic))
        trainers()[std::size_t(topic)] = nullptr;
}

bool isOpen(int topic)
{
    return valid(topic) && trainers()[std::size_t(topic)];
}

} // namespace TrainerSet
