#include "PictureCache.h"

namespace Pictures {
namespace {

qint64 bytesOf(const QPixmap& pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
}

// No one but the cache holds it: no window shows it.
bool unshown(const QPixmap& kept)
{
    return kept.isDetached();
}

} // namespace

std::optional<QPixmap> PictureCache::find(const QString& key)
{
    trim(); // what windows closed since let go
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return std::nullopt;
    found->lastUse = ++m_clock;
    return found->pixmap;
}

void PictureCache::insert(const QString& key, const QPixmap& pixmap)
{
    m_entries.insert(key, {pixmap, ++m_clock});
    trim();
}

qint64 PictureCache::unshownBytes() const
{
    qint64 bytes = 0;
    for (const Entry& entry : m_entries)
        if (unshown(entry.pixmap))
            bytes += bytesOf(entry.pixmap);
    return bytes;
}

void PictureCache::trim()
{
    qint64 bytes = unshownBytes();
    while (bytes > UnshownBudgetBytes) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
            if (unshown(it->pixmap) && (oldest == m_entries.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        bytes -= bytesOf(oldest->pixmap);
        m_entries.erase(oldest);
    }
}

} // namespace Pictures
