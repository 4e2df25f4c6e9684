#include "ResourcePages.h"

#include <QResource>

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace ResourcePages {

void release(const QString& path)
{
    const QResource resource(path);
    // Only bytes stored as they are: a compressed resource is unpacked into memory of
    // its own, and its data() is not the program's pages.
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression || resource.size() <= 0)
        return;
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(resource.data());
    const std::uintptr_t first = (start + page - 1) / page * page;                      // whole pages only: the
    const std::uintptr_t end = (start + std::uintptr_t(resource.size())) / page * page; // neighbours stay
    // The resources are compiled in, so their pages are the program file's, read-only and
    // never written: dropping them loses nothing.
    if (first < end)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}

} // namespace ResourcePages
