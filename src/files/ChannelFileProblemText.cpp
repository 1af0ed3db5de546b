#include "files/ChannelFileProblemText.h"

#include "files/ChannelFileLayout.h"
#include "workspace/Gbk.h"

namespace {

struct Words
{
    const char* english;
    const char* chinese;
};

Words settingValue(FunctionSettings::Setting setting)
{
    switch (setting) {
    case FunctionSettings::Squelch:
        return {"a squelch level", "静噪电平"};
    case FunctionSettings::BatterySave:
        return {"a battery save setting", "电池省电设置"};
    case FunctionSettings::TimeOut:
        return {"a TX time-out setting", "超时禁发设置"};
    case FunctionSettings::PromptTone:
        return {"a prompt tone setting", "提示音设置"};
    case FunctionSettings::AlarmKey:
        return {"an alarm key setting", "报警按键设置"};
    case FunctionSettings::Scan:
        return {"a scan setting", "扫描允许设置"};
    case FunctionSettings::VoicePrompt:
        return {"a voice prompt setting", "语音通知设置"};
    case FunctionSettings::VoxGain:
        return {"a VOX gain level", "VOX Gain Level"};
    case FunctionSettings::VoxDelay:
        return {"a VOX delay time", "VOX Delay Time"};
    }
    return {"", ""};
}

// What belongs at the problem's place, with the digits it may be.
QString expectedValue(const ChannelFileProblem& problem, Language language)
{
    if (!problem.setting)
        return inLanguage(language, "a language code (1 Chinese, 2 English)",
                          "语言代码（1 中文，2 英文）");
    const int last = FunctionSettings::entryCount(*problem.setting) - 1;
    const Words value = settingValue(*problem.setting);
    return inLanguage(language, value.english, value.chinese) +
           inLanguage(language, QStringLiteral(" (0–%1)"), QStringLiteral("（0–%1）")).arg(last);
}

// What a line the file is cut short in should have held.
QString cutLineContents(const ChannelFileProblem& problem, Language language)
{
    if (problem.line == ChannelFileLayout::BandLine)
        return inLanguage(language, "the band, such as \"400-470MHz\"", "频段，如“400-470MHz”");
    if (problem.line == ChannelFileLayout::VoxInhibitLine)
        return inLanguage(language, "\"VoxInhibit 1\" or \"VoxInhibit 0\"",
                          "“VoxInhibit 1”或“VoxInhibit 0”");
    if (problem.line >= ChannelFileLayout::FirstChannelLine)
        return inLanguage(language, "a whole channel line, ending in \" | \"",
                          "完整的信道行，以“ | ”结尾");
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
        return quoted(language, decoded);
    const auto value = static_cast<unsigned char>(found.at(0));
    const QString byte =
        QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(2, u'0');
    // Chinese text sets a number apart with a space on either side.
    return inLanguage(language, QStringLiteral("byte %1"), QStringLiteral("字节 %1 ")).arg(byte);
}

QString problemText(const ChannelFileProblem& problem, Language language)
{
    const QString expected = expectedValue(problem, language);
    switch (problem.kind) {
    case ChannelFileProblem::Kind::WrongCharacter:
        return inLanguage(language, QStringLiteral("%1 is not %2"),
                          QStringLiteral("%1不是有效的%2"))
            .arg(foundCharacter(problem.found, language), expected);
    case ChannelFileProblem::Kind::LineTooShort:
        return inLanguage(language,
                          QStringLiteral("the line ends before character %1, which should be %2"),
                          QStringLiteral("该行在第 %1 个字符之前结束，此处应为%2"))
            .arg(QString::number(problem.position), expected);
    case ChannelFileProblem::Kind::FileTooShort:
        if (problem.linesInFile == 0)
            return inLanguage(language,
                              QStringLiteral("the file is empty; this line should hold %1"),
                              QStringLiteral("文件为空，此行应为%1"))
                .arg(expected);
        return inLanguage(language,
                          QStringLiteral("the file ends after line %1; this line should hold %2"),
                          QStringLiteral("文件在第 %1 行后结束，此行应为%2"))
            .arg(QString::number(problem.linesInFile), expected);
    case ChannelFileProblem::Kind::CutShort:
        return inLanguage(language,
                          QStringLiteral("the file is cut short: it ends in the middle of this "
                                         "line, which should hold %1"),
                          QStringLiteral("文件不完整：在此行中间结束，此行应为%1"))
            .arg(cutLineContents(problem, language));
    }
    return {};
}

// A binary file is no channel file at all; a text file whose lines end in a bare CR only
// looks like one.
QString hint(const ChannelFileProblem& problem, Language language)
{
    if (problem.binary)
        return inLanguage(language, ". It does not look like a channel file: it holds binary data",
                          "。该文件似乎不是信道文件：其中含有二进制数据");
    if (problem.bareCarriageReturns)
        return inLanguage(language,
                          ". Its lines end in CR alone, which does not end a line: only LF or CR "
                          "LF do",
                          "。该文件的行仅以 CR 结尾，不算换行；只有 LF 或 CR LF 才算换行");
    return {};
}

} // namespace

QString channelFileProblemText(const QString& fileName, const ChannelFileProblem& problem,
                               Language language)
{
    // One pass over all the parts, so a "%" in the file's name stays as it is.
    return inLanguage(language, QStringLiteral("%1, line %2: %3%4"),
                      QStringLiteral("%1，第 %2 行：%3%4"))
        .arg(fileName, QString::number(problem.line), problemText(problem, language),
             hint(problem, language));
}
