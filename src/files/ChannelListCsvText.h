#pragma once

#include "files/ChannelListCsvProblem.h"
#include "workspace/Language.h"

#include <QString>

// What the user reads about a channel list, in the interface's language, without a final
// full stop (the error box adds it).

// Why `fileName` is not a channel list, for example
// `list.csv, row 1: no "Frequency" column; the header line reads "Name,Freq"`.
QString channelListCsvProblemText(const QString& fileName, const ChannelListCsvProblem& problem,
                                  Language language);

// One line of the summary of rows not imported, for example
// `row 5: the tone "88.4" (cToneFreq) is not a tone of this radio`.
QString skippedCsvRowText(const SkippedCsvRow& skipped, const QString& band, Language language);

// Why the channels cannot be written as a channel list, for example
// `channel 3: the receive frequency "44" is not a frequency of 100–550 MHz`.
QString channelListCsvExportProblemText(const ChannelListCsvExportProblem& problem,
                                        Language language);
