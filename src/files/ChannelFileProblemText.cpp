#include "files/ChannelFileProblemText.h"

#include "files/ChannelFileLayout.h"
#include "workspace/Gbk.h"

namespace {

struct Words
{
    const char16_t* chinese;
    const char16_t* english;

    QString in(Language language) const
    {
        return QString::fromUtf16(language == Language::English ? english : chinese);
    }
};

Words settingValue(FunctionSettings::Setting setting)
{
    switch (setting) {
    case FunctionSettings::Squelch:
        return {u"静噪电平", u"a squelch level"};
    case FunctionSettings::BatterySave:
        return {u"电池省电设置", u"a battery save setting"};
    case FunctionSettings::TimeOut:
        return {u"超时禁发设置", u"a TX time-out setting"};
    case FunctionSettings::PromptTone:
        return {u"提示音设置", u"a prompt tone setting"};
    case FunctionSettings::AlarmKey:
        return {u"报警按键设置", u"an alarm key setting"};
    case FunctionSettings::Scan:
        return {u"扫描允许设置", u"a scan setting"};
    case FunctionSettings::VoicePrompt:
        return {u"语音通知设置", u"a voice prompt setting"};
    case FunctionSettings::VoxGain:
        return {u"VOX Gain Level", u"a VOX gain level"};
    case FunctionSettings::VoxDelay:
        return {u"VOX Delay Time", u"a VOX delay time"};
    }
    return {u"", u""};
}

// What belongs at the problem's place, with the digits it may be.
QString expectedValue(const ChannelFileProblem& problem, Language language)
{
    const bool english = language == Language::English;
    if (!problem.setting) {
        return english ? QStringLiteral("a language code (1 Chinese, 2 English)")
                       : QStringLiteral("语言代码（1 中文，2 英文）");
    }
    const int last = FunctionSettings::entryCount(*problem.setting) - 1;
    const QString range = english ? QStringLiteral(" (0–%1)") : QStringLiteral("（0–%1）");
    return settingValue(*problem.setting).in(language) + range.arg(last);
}

// What a line the file is cut short in should have held.
QString cutLineContents(const ChannelFileProblem& problem, Language language)
{
    const bool english = language == Language::English;
    if (problem.line == ChannelFileLayout::BandLine)
        return english ? QStringLiteral("the band, such as \"400-470MHz\"")
                       : QStringLiteral("频段，如“400-470MHz”");
    if (problem.line == ChannelFileLayout::VoxInhibitLine)
        return english ? QStringLiteral("\"VoxInhibit 1\" or \"VoxInhibit 0\"")
                       : QStringLiteral("“VoxInhibit 1”或“VoxInhibit 0”");
    if (problem.line >= ChannelFileLayout::FirstChannelLine)
        return english ? QStringLiteral("a whole channel line, ending in \" | \"")
                       : QStringLiteral("完整的信道行，以“ | ”结尾");
    return expectedValue(problem, language);
}

// The character found, quoted as the user would see it in an editor; a byte that shows as
// nothing (a control character, a stray byte of a binary file) by its number instead.
QString foundCharacter(const QByteArray& found, Language language)
{
    const QString decoded = Gbk::decode(found);
    const bool shows =
        decoded.size() == 1 && decoded[0].isPrint() && decoded[0] != QChar::ReplacementCharacter;
    if (shows)
        return language == Language::English ? QStringLiteral("\"%1\"").arg(decoded)
                                             : QStringLiteral("“%1”").arg(decoded);
    const auto value = static_cast<unsigned char>(found.at(0));
    const QString byte =
        QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, u'0');
    // Chinese text sets a number apart with a space on either side.
    return language == Language::English ? QStringLiteral("byte %1").arg(byte)
                                         : QStringLiteral("字节 %1 ").arg(byte);
}

QString englishProblem(const ChannelFileProblem& problem)
{
    const QString expected = expectedValue(problem, Language::English);
    switch (problem.kind) {
    case ChannelFileProblem::Kind::WrongCharacter:
        return QStringLiteral("%1 is not %2")
            .arg(foundCharacter(problem.found, Language::English), expected);
    case ChannelFileProblem::Kind::LineTooShort:
        return QStringLiteral("the line ends before character %1, which should be %2")
            .arg(QString::number(problem.position), expected);
    case ChannelFileProblem::Kind::FileTooShort:
        if (problem.linesInFile == 0)
            return QStringLiteral("the file is empty; this line should hold %1").arg(expected);
        return QStringLiteral("the file ends after line %1; this line should hold %2")
            .arg(QString::number(problem.linesInFile), expected);
    case ChannelFileProblem::Kind::CutShort:
        return QStringLiteral("the file is cut short: it ends in the middle of this line, which "
                              "should hold %1")
            .arg(cutLineContents(problem, Language::English));
    }
    return {};
}

QString chineseProblem(const ChannelFileProblem& problem)
{
    const QString expected = expectedValue(problem, Language::Chinese);
    switch (problem.kind) {
    case ChannelFileProblem::Kind::WrongCharacter:
        return QStringLiteral("%1不是有效的%2")
            .arg(foundCharacter(problem.found, Language::Chinese), expected);
    case ChannelFileProblem::Kind::LineTooShort:
        return QStringLiteral("该行在第 %1 个字符之前结束，此处应为%2")
            .arg(QString::number(problem.position), expected);
    case ChannelFileProblem::Kind::FileTooShort:
        if (problem.linesInFile == 0)
            return QStringLiteral("文件为空，此行应为%1").arg(expected);
        return QStringLiteral("文件在第 %1 行后结束，此行应为%2")
            .arg(QString::number(problem.linesInFile), expected);
    case ChannelFileProblem::Kind::CutShort:
        return QStringLiteral("文件不完整：在此行中间结束，此行应为%1")
            .arg(cutLineContents(problem, Language::Chinese));
    }
    return {};
}

// A binary file is no channel file at all; a text file whose lines end in a bare CR only
// looks like one.
QString hint(const ChannelFileProblem& problem, Language language)
{
    const bool english = language == Language::English;
    if (problem.binary)
        return english ? QStringLiteral(". It does not look like a channel file: it holds "
                                        "binary data")
                       : QStringLiteral("。该文件似乎不是信道文件：其中含有二进制数据");
    if (problem.bareCarriageReturns)
        return english ? QStringLiteral(". Its lines end in CR alone, which does not end a line: "
                                        "only LF or CR LF do")
                       : QStringLiteral("。该文件的行仅以 CR 结尾，不算换行；只有 LF 或 CR LF "
                                        "才算换行");
    return {};
}

} // namespace

QString channelFileProblemText(const QString& fileName, const ChannelFileProblem& problem,
                               Language language)
{
    // One pass over all the parts, so a "%" in the file's name stays as it is.
    const QString line = QString::number(problem.line);
    if (language == Language::English)
        return QStringLiteral("%1, line %2: %3%4")
            .arg(fileName, line, englishProblem(problem), hint(problem, language));
    return QStringLiteral("%1，第 %2 行：%3%4")
        .arg(fileName, line, chineseProblem(problem), hint(problem, language));
}
