#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// What a screen reader sees of a link label: a link named by its text, which its press
// action follows as a click does.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    // Makes every link label answer with this interface; once is enough.
    static void install();

    explicit LinkLabelAccessible(LinkLabel* link);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
};
