#pragma once

#include <QStringList>

class QWidget;

// Every text a window shows that does not fit the widget it is drawn in: each line of a
// label, each line of a memo that does not wrap, a group box's title, a button's or a
// check box's caption, every item of a combo box, measured with the widget's own font against its contents
// rectangle (less a memo's margins); and every picture that its parents cut. Each is
// named, with its width and the room it has:
//   "Memo2: «mediante el mando …» 340 px in 329 px"
QStringList textsThatDoNotFit(const QWidget* window);
