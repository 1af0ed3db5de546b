#pragma once

#include "workspace/Language.h"

#include <QString>
#include <QStringList>

// The messages that list the lines of a paste, or the rows of a channel list, that were
// left out: kept to a size a message box can show, however long the text was.
namespace SkippedLinesText {

// A value quoted in such a message: at most this many characters, then an ellipsis.
constexpr qsizetype QuotedValueLength = 40;
// The lines listed; the ones after them are only counted.
constexpr qsizetype ListedLines = 20;

QString valueExcerpt(const QString& value);

// `heading`, then the first ListedLines of `lines`, then "and N more" for the rest of
// `total` lines (the caller need only word the lines that are listed).
QString listed(const QString& heading, const QStringList& lines, qsizetype total,
               Language language);

} // namespace SkippedLinesText
