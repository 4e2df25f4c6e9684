#pragma once

#include <QString>

// The program's resources lie in its own read-only pages. A picture decoded from them
// never reads those bytes again, yet the pages it touched stay counted in the process's
// memory for the run. Releasing them gives them back to the
// system's file cache: should the bytes be read again they come back from there, unchanged.
namespace ResourcePages {

// Releases the whole pages that lie inside the resource at `path` (":/..."), if it is
// stored uncompressed in the program; does nothing otherwise.
void release(const QString& path);

} // namespace ResourcePages
