#pragma once

#include "backups/ContentsDifference.h"
#include "workspace/Language.h"

#include <QStringList>

// One line per difference, naming where it lies and what each side holds, such as
// `Channel 02, Power: "High" in radio.F19, "Low" in the radio`.
QStringList differenceLines(const QList<ContentsDifference>& differences, const QString& first,
                            const QString& second, Language language);
// The same between a file and the radio, which is called "the radio" in the language given.
QStringList differenceLinesWithRadio(const QList<ContentsDifference>& differences,
                                     const QString& file, Language language);
