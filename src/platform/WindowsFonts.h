#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Fonts are named in the program by the Windows families they were designed with
// ("Times New Roman", "Arial", "Garamond", "MS Sans Serif", "System"); one table maps
// them to the free, metric-compatible fonts installed here.
namespace WindowsFonts {

// The Windows families the table maps, in its order.
QStringList windowsFamilies();

// Registers the free fonts as substitutes for the Windows names. Called once at start-up.
void install();

// A font of a Windows family whose cell (ascent plus descent, the whole height of a line
// of text) is the given number of pixels, as a Windows font height given as a positive
// number is. The em is smaller by the face's own proportion (for Times New Roman, a cell
// of 16 pixels has an em of about 14.5).
QFont pixels(const QString& windowsFamily, int pixelHeight, bool bold = false);

// A font of a Windows family with its size in points.
QFont points(const QString& windowsFamily, int pointSize, bool bold = false);

} // namespace WindowsFonts
