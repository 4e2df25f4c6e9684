#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <optional>

namespace Pictures {

// The pictures handed out: every one a window still shows (a pixmap a widget holds costs
// nothing more here, since pixmaps share their pixels), and, of those no window shows any
// longer, the most recently used up to a budget. So a front panel's picture goes with its
// window, unless it is among the last few used, while going back and forth between the
// chooser and a window finds its pictures ready.
class PictureCache {
public:
    static constexpr qint64 UnshownBudgetBytes = 256 * 1024;

    std::optional<QPixmap> find(const QString& key);
    void insert(const QString& key, const QPixmap& pixmap);

    // The bytes of the pictures kept that no window shows.
    qint64 unshownBytes() const;
    int size() const { return int(m_entries.size()); }

private:
    struct Entry {
        QPixmap pixmap;
        std::uint64_t lastUse = 0;
    };
    void trim();

    QHash<QString, Entry> m_entries;
    std::uint64_t m_clock = 0;
};

} // namespace Pictures
