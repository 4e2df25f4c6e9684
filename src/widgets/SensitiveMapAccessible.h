#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

class SensitiveMap;

// What a screen reader sees of a sensitive map: the picture, with one button per region,
// named by its caption (without the padding blanks), described by the texts its owner
// gave, placed on the screen where the region is and pressed as a click presses it. A
// region the pointer cannot reach is listed too, but as invisible and not focusable.
class SensitiveMapAccessible : public QAccessibleWidget {
public:
    // Makes every sensitive map answer with this interface; once is enough.
    static void install();

    explicit SensitiveMapAccessible(SensitiveMap* map);
    ~SensitiveMapAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    SensitiveMap* map() const;

    mutable std::vector<QAccessible::Id> m_regionIds; // one per region asked for, in order
};
