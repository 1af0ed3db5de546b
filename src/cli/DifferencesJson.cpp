#include "cli/DifferencesJson.h"

#include "cli/ContentsJson.h"

namespace DifferencesJson {

namespace {

using Place = ContentsDifference::Place;

// Where the difference lies, without its values.
QJsonObject place(const ContentsDifference& difference)
{
    switch (difference.place) {
    case Place::Channel:
        return {{QStringLiteral("place"), QStringLiteral("channel")},
                {QStringLiteral("channel"), difference.row},
                {QStringLiteral("field"), ContentsJson::fieldName(difference.column)}};
    case Place::Setting:
        return {{QStringLiteral("place"), QStringLiteral("setting")},
                {QStringLiteral("field"), ContentsJson::settingName(difference.setting)}};
    case Place::VoxInhibit:
        return {{QStringLiteral("place"), QStringLiteral("setting")},
                {QStringLiteral("field"), ContentsJson::VoxInhibitName}};
    case Place::Band:
        return {{QStringLiteral("place"), QStringLiteral("band")},
                {QStringLiteral("field"), QStringLiteral("band")}};
    case Place::ChannelByte:
    case Place::SettingsByte:
    case Place::BandByte:
        break;
    }
    return {{QStringLiteral("place"), QStringLiteral("byte")},
            {QStringLiteral("address"), difference.address()}};
}

// One side's text (a setting's position as a number, the VOX inhibit box as 1 or 0, a
// stored byte in hex) as its value.
QJsonValue value(const ContentsDifference& difference, const QString& text, const CellWords& words)
{
    switch (difference.place) {
    case Place::Channel:
        return ContentsJson::fieldValue(difference.column, text, words);
    case Place::Setting: {
        bool number = false;
        const int position = text.toInt(&number);
        return number ? ContentsJson::settingValue(difference.setting, position) : QJsonValue::Null;
    }
    case Place::VoxInhibit:
        return text == QLatin1String("1");
    case Place::Band:
    case Place::ChannelByte:
    case Place::SettingsByte:
    case Place::BandByte:
        break;
    }
    return text;
}

} // namespace

QJsonArray differences(const QList<ContentsDifference>& differences, const CellWords& words,
                       const QString& first, const QString& second)
{
    QJsonArray array;
    for (const ContentsDifference& difference : differences) {
        QJsonObject object = place(difference);
        object.insert(first, value(difference, difference.written, words));
        object.insert(second, value(difference, difference.held, words));
        array.append(object);
    }
    return array;
}

QJsonObject comparison(const QJsonArray& differences, const QStringList& skippedRows)
{
    const bool same = differences.isEmpty() && skippedRows.isEmpty();
    return {
        {QStringLiteral("result"), same ? QStringLiteral("same") : QStringLiteral("differences")},
        {QStringLiteral("differences"), differences},
        {QStringLiteral("skippedRows"), QJsonArray::fromStringList(skippedRows)}};
}

} // namespace DifferencesJson
