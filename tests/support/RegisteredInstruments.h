#pragma once

// The instruments as the program registers them, for the tests that go through every one
// or find one by its window: their names and texts are read from the registry, never
// typed again.

#include "instruments/InstrumentRegistry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace RegisteredInstruments {

inline QString windowOf(const InstrumentDefinition& instrument)
{
    return instrument.window.frame.objectName;
}

// The instrument whose window has this object name.
inline const InstrumentDefinition& byWindow(const QString& windowName)
{
    for (const InstrumentRegistry::Entry& entry : InstrumentRegistry::all())
        if (windowOf(entry.definition) == windowName)
            return entry.definition;
    qFatal("no instrument window %s", qPrintable(windowName));
}

// The front panel "&Panel frontal" opens; empty for an instrument without one.
inline QString panelOf(const InstrumentDefinition& instrument)
{
    return instrument.panel.layout ? instrument.panel.layout().frame.objectName : QString();
}

// A data row's name: "Fluke 45", "power supply".
inline QByteArray rowName(const InstrumentDefinition& instrument)
{
    return instrument.name.toUtf8();
}

// The cue its window plays, without the folder: "FG110S.WAV".
inline QString soundFileName(const InstrumentDefinition& instrument)
{
    return instrument.window.soundFile.section(QLatin1Char('\\'), -1);
}

// Its picture in the chooser, then the three frames of the page turn.
inline QStringList chooserPictures(const InstrumentDefinition& instrument)
{
    const ChooserEntry& entry = instrument.chooser;
    return {entry.mainObjectName, entry.frameObjectNames[0], entry.frameObjectNames[1], entry.frameObjectNames[2]};
}

} // namespace RegisteredInstruments
