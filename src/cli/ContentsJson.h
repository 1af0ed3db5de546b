#pragma once

#include "workspace/CellWords.h"
#include "workspace/FunctionSettings.h"
#include "workspace/RadioContents.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// A radio's contents as the JSON documents of read, verify and diff give them: names and
// values that stay the same whatever the language in use, so that a script reads them
// without knowing the words of either language.
namespace ContentsJson {

// {"band": "400-470MHz", "channels": [16 channels], "settings": {...}}. A channel is
// {"channel": 1, "empty": false, "rxFrequency": ..., ...}, or {"channel": 4, "empty": true}.
QJsonObject contents(const RadioContents& contents, const CellWords& words);

// A channel field's name in a document: "rxFrequency", "power", "busyLock".
QString fieldName(int column);
// A channel field's text as a value: a frequency in MHz with a point ("435.12500"), a tone
// as its text ("67.0", "D023N") or "off", the power "high" or "low", an option true or
// false; null for an empty field. A text of none of these words is given as it stands.
QJsonValue fieldValue(int column, const QString& text, const CellWords& words);

// A setting's name in a document: "squelch", "timeOut"; "voxInhibit" for the box.
QString settingName(FunctionSettings::Setting setting);
inline const QString VoxInhibitName = QStringLiteral("voxInhibit");
// A setting's position as the value the radio takes from it: the squelch level, on as
// true, the time-out in minutes (0 off), the voice "off", "english" or "chinese", the VOX
// gain level and delay in seconds; null for a position outside its list.
QJsonValue settingValue(FunctionSettings::Setting setting, int position);

} // namespace ContentsJson
