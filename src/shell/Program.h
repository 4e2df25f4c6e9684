#pragma once

// The program ends when the chooser closes, and only then.
namespace Program {

void end();
bool endRequested();
void resetEndRequest();

} // namespace Program
