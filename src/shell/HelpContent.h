#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What the help window says: how the tutorial is used with the mouse, and a table of
// the keys that do the same from the keyboard. Texts only; HelpWindow lays them out.
struct HelpKey {
    QString keys;   // as printed on the keyboard: "Tab", "Mayús+Tab"
    QString action; // what they do, one sentence
};

struct HelpSection {
    QString heading;
    QStringList paragraphs;
    std::vector<HelpKey> keys{}; // listed under the paragraphs, a key and its meaning a row, or none
};

struct HelpContent {
    QString caption; // the window's title
    std::vector<HelpSection> sections;
    QString closeText; // the button that closes the window, with its mnemonic
};

const HelpContent& helpContent();
