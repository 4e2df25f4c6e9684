#pragma once

#include <QCursor>
#include <QString>
#include <optional>

// Numbered screen cursors. The pointing hand is loaded once at start-up from the
// program's own cursor resource, and only when the program file bears its own name;
// windows register it as cursor 19 and controls ask for it by number. A number that
// is not registered gives the ordinary arrow.
namespace ScreenCursors {

constexpr int Default = 0;
constexpr int PointingHand = 19;

// Loads the pointing hand if programFilePath names the program ("trivane",
// "trivane.exe" or "Trivane.exe"); otherwise the pointing cursor stays empty.
void loadPointingCursor(const QString& programFilePath);
const std::optional<QCursor>& pointingCursor();

// Registers a cursor under a number; an empty cursor removes the number.
void registerCursor(int number, const std::optional<QCursor>& cursor);

// The cursor registered under a number, or the arrow.
QCursor cursor(int number);

// Whether a number is registered (the arrow is then not used).
bool isRegistered(int number);

} // namespace ScreenCursors
