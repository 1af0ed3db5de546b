#include "link/WriteProblemText.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"

#include <QStringList>

namespace {

QString channelLine(const WriteProblem& problem, Language language)
{
    const QString channel = QStringLiteral("%1").arg(problem.row, 2, 10, QLatin1Char('0'));
    const QString field = BuiltInLanguages::columnName(problem.column, language);
    return inLanguage(language, QStringLiteral("Channel %1, %2: %3"),
                      QStringLiteral("第 %1 信道，%2：%3"))
        .arg(channel, field, quoted(language, problem.text));
}

QString settingLine(const WriteProblem& problem, Language language)
{
    const QString setting = BuiltInLanguages::settingName(problem.setting, language);
    const QString title = BuiltInLanguages::string(LanguageString::FunctionSettingsTitle, language);
    return inLanguage(language,
                      QStringLiteral("Setting %1: position %2").arg(setting, problem.text),
                      QStringLiteral("%1 %2：位置 %3").arg(title, setting, problem.text));
}

QString bandLine(const WriteProblem& problem, Language language)
{
    const QString band = BuiltInLanguages::string(LanguageString::Band, language);
    return inLanguage(language, QStringLiteral("%1: %2"), QStringLiteral("%1：%2"))
        .arg(band, quoted(language, problem.text));
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
    lines << inLanguage(language,
                        "Nothing was written to the radio: these values are not in a form the "
                        "radio can store:",
                        "未向电台写入任何数据：以下内容的格式电台无法保存：");
    for (const WriteProblem& problem : problems)
        lines << problemLine(problem, language);
    lines << inLanguage(language, "Correct them, then write again", "请改正后重新写频");
    return lines.join(QLatin1Char('\n'));
}
