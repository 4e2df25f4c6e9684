#pragma once

#include <chrono>

// Wakes a PulseAudio sink that holds a new stream back.
//
// A sink with no device behind it (PulseAudio's null sink, as on a test machine or a
// headless one) that had nothing to play renders up to two seconds of silence ahead at a
// time and sleeps until then. A stream that asks for a low latency while it sleeps leaves
// it able to take back only as much as that latency, so the sink reads nothing from the
// stream until its two seconds are over: every play made meanwhile waits, and is heard
// late, all at once. Suspending the sink and resuming it restarts its clock from now.
namespace IdleSinkWake {

// Suspends and resumes the service's default sink, unless it is a hardware device (whose
// clock is the device's, and which other programs may be playing to). Returns whether it
// did; gives up when the service has not answered within `timeout`.
bool wakeDefaultSink(std::chrono::milliseconds timeout);

} // namespace IdleSinkWake
