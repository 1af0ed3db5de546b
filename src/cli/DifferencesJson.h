#pragma once

#include "backups/ContentsDifference.h"
#include "workspace/CellWords.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What verify and diff found, as their JSON documents give it.
namespace DifferencesJson {

// Each difference with where it lies and both sides' values, as ContentsJson gives them,
// under the names of the two sides (such as "file" and "radio"):
// {"place": "channel", "channel": 2, "field": "power", "file": "high", "radio": "low"},
// {"place": "setting", "field": "squelch", ...}, {"place": "band", "field": "band", ...}.
QJsonArray differences(const QList<ContentsDifference>& differences, const CellWords& words,
                       const QString& first, const QString& second);

// The comparison: {"result": "same" or "differences", "differences": [...],
// "skippedRows": [...]}, each skipped row as its line on the text output.
QJsonObject comparison(const QJsonArray& differences, const QStringList& skippedRows);

} // namespace DifferencesJson
