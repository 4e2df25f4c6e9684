#pragma once

#include <QString>

// The start-up sequence and the end of the program.
namespace Startup {

// Sets the flags to their start values, loads the pointing cursor (when programFilePath
// names the program), creates the chooser and the hidden about box, and shows the
// chooser. False when the chooser cannot be created: the program cannot start.
bool start(const QString& programFilePath);

// Closes every window still open, as the program ends.
void closeAllWindows();

} // namespace Startup
