#pragma once

// The Fluke 45's key trainers, opened from its front panel's links.
enum class Fluke45Trainer {
    ModifierKeys = 1,
    RangeKeys,
    FunctionKeys,
};

// At most one trainer of each is open; the panel's "&Cerrar" closes those still open.
namespace TrainerSet {

constexpr int Count = 3;

// Opens the trainer, or brings it to the front when it is open already; a number that
// names no trainer opens nothing.
void open(Fluke45Trainer trainer);
// Closes every trainer still open.
void closeAll();
// A trainer closed by its own "&Cerrar" is no longer the set's to close.
void forget(Fluke45Trainer trainer);
bool isOpen(Fluke45Trainer trainer);

} // namespace TrainerSet
