#include "link/WriteProblemText.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"

#include <QStringList>

namespace {

// A field is named by its caption in the message's language: the grid's column caption
// or the settings page's label.
QString caption(int number, Language language)
{
    return BuiltInLanguages::table(language).string(number);
}

QString channelLine(const WriteProblem& problem, Language language)
{
    const QString channel = QStringLiteral("%1").arg(problem.row, 2, 10, QLatin1Char('0'));
    const QString field = caption(LanguageString::columnCaption(problem.column), language);
    if (language == Language::English)
        return QStringLiteral("Channel %1, %2: \"%3\"").arg(channel, field, problem.text);
    return QStringLiteral("第 %1 信道，%2：“%3”").arg(channel, field, problem.text);
}

QString settingLine(const WriteProblem& problem, Language language)
{
    const QString setting = caption(LanguageString::settingLabel(problem.setting), language);
    if (language == Language::English)
        return QStringLiteral("Setting %1: position %2").arg(setting, problem.text);
    return QStringLiteral("%1 %2：位置 %3")
        .arg(caption(LanguageString::FunctionSettingsTitle, language), setting, problem.text);
}

QString bandLine(const WriteProblem& problem, Language language)
{
    const QString band = caption(LanguageString::Band, language);
    if (language == Language::English)
        return QStringLiteral("%1: \"%2\"").arg(band, problem.text);
    return QStringLiteral("%1：“%2”").arg(band, problem.text);
}

QString problemLine(const WriteProblem& problem, Language language)
{
    switch (problem.place) {
    case WriteProblem::Place::Channel:
        return channelLine(problem, language);
    case WriteProblem::Place::Setting:
        return settingLine(problem, language);
    case WriteProblem::Place::Band:
        return bandLine(problem, language);
    }
    return {};
}

} // namespace

QString writeProblemText(const QList<WriteProblem>& problems, Language language)
{
    QStringList lines;
    lines << (language == Language::English
                  ? QStringLiteral("Nothing was written to the radio: these values are not in "
                                   "a form the radio can store:")
                  : QStringLiteral("未向电台写入任何数据：以下内容的格式电台无法保存："));
    for (const WriteProblem& problem : problems)
        lines << problemLine(problem, language);
    lines << (language == Language::English ? QStringLiteral("Correct them, then write again")
                                            : QStringLiteral("请改正后重新写频"));
    return lines.join(QLatin1Char('\n'));
}
