#pragma once

#include <QString>
#include <QTemporaryDir>

// A copy of the program's sound folder in which one cue is missing or broken. The program
// looks for its cues there from use() until useProgramFolder() (or the end of the test
// session).
class SoundFolder {
public:
    enum Fault { Missing, Broken };

    explicit SoundFolder(const QString& faultyFile = {}, Fault fault = Missing);

    // Whether every other cue was copied.
    bool ready() const { return m_ready; }

    void use() const;
    static void useProgramFolder();

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
};
