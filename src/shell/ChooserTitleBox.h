#pragma once

#include <QGroupBox>

// The chooser's group box: its frame as the style draws it, its title centred in the
// space the style gives the title and in black whatever the desktop's colours (by its
// palette: a style sheet would cost the style-sheet machinery at start-up).
class ChooserTitleBox : public QGroupBox {
public:
    ChooserTitleBox(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
