#pragma once

#include "backups/FleetRadioOutcome.h"
#include "workspace/Language.h"

#include <QString>
#include <QStringList>

// What the user reads about a fleet run, in either language: each radio's result in a few
// words, its line, and the summary.
namespace FleetText {
// How the radio's run ended, such as "written and verified" or "the port cannot be opened".
QString result(const FleetRadioOutcome& outcome, Language language);
// "COM2 (/dev/ttyUSB1): written and verified (backup /…/2026-12-10_19-30-05.F19)", with
// `result` as the radio's result.
QString radioLine(const FleetRadioOutcome& outcome, const QString& result, Language language);
// What the box at the end of a write says of this radio: its line when it failed or keeps
// unused bytes otherwise, with each of those bytes under it; nothing for a radio that went
// through cleanly.
QStringList endOfWriteLines(const FleetRadioOutcome& outcome, const QString& result,
                            Language language);
// "Radios written: 3, verified: 3, failed: 1".
QString summary(const FleetTally& tally, Language language);
// "The fleet log could not be written to …: …".
QString logNotWritten(const QString& path, int error, Language language);
// Said when a write to every connected radio finds no COM port whose device is present.
QString noRadioConnected(Language language);
} // namespace FleetText
