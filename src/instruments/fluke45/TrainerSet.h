#pragma once

// The Fluke 45's key trainers open from its front panel's link, at most one of each;
// the panel's "&Cerrar" closes those still open. Trainers are named by their link
// topic: 1 modifier keys, 2 range keys, 3 function keys.
namespace TrainerSet {

constexpr int Count = 3;

// Opens the trainer, or brings it to the front when it is open already.
void open(int topic);
// Closes every trainer still open.
void closeAll();
// A trainer closed by its own "&Cerrar" is no longer the set's to close.
void forget(int topic);
bool isOpen(int topic);

} // namespace TrainerSet
