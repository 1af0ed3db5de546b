#include "cli/CommandLine.h"

#include <functional>

namespace {

using Command = CommandLine::Command;

constexpr int Channels = 16;

// The options a command takes besides the ones every command takes.
enum Option : unsigned {
    PortOption = 1 << 0,
    OutputOption = 1 << 1,
    BackupOptions = 1 << 2, // --no-backup, --no-verify, --repeat
    PowerOptions = 1 << 3,  // --low, --high, --low-voltage
    SkipRowsOption = 1 << 4,
    FileOrderOption = 1 << 5,
    FleetOption = 1 << 6, // --port more than once, --all-ports
    PlanOptions = 1 << 7, // --list, --first, --count, --channels, --tone, --tx-tone
    JsonOption = 1 << 8,
    DryRunOption = 1 << 9,
};

struct CommandShape
{
    Command command;
    const char* name;
    unsigned options;
    int fileCount;
};

constexpr CommandShape Shapes[] = {
    {Command::Ports, "ports", JsonOption, 0},
    {Command::Read, "read", PortOption | FleetOption | OutputOption | JsonOption, 0},
    {Command::Write, "write",
     PortOption | FleetOption | BackupOptions | SkipRowsOption | FileOrderOption | DryRunOption, 1},
    {Command::Verify, "verify", PortOption | FleetOption | FileOrderOption | JsonOption, 1},
    {Command::Diff, "diff", FileOrderOption | JsonOption, 2},
    {Command::Convert, "convert", SkipRowsOption | FileOrderOption, 2},
    {Command::CalibrationRead, "calibration read", PortOption | JsonOption, 0},
    {Command::CalibrationWrite, "calibration write", PortOption | PowerOptions, 0},
    {Command::Plan, "plan", OutputOption | PlanOptions, 1},
    {Command::Sheet, "sheet", OutputOption, 1},
};

const CommandShape* shapeOf(Command command)
{
    for (const CommandShape& shape : Shapes)
        if (shape.command == command)
            return &shape;
    return nullptr;
}

std::optional<Language> languageNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("english"))
        return Language::English;
    if (lower == QLatin1String("chinese"))
        return Language::Chinese;
    return std::nullopt;
}

// Splits "--name=value" so that both spellings of an option with a value read alike.
struct SplitOption
{
    QString name;
    std::optional<QString> value;
};

SplitOption splitOption(const QString& argument)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (!argument.startsWith(QLatin1String("--")) || equals < 0)
        return {argument, std::nullopt};
    return {argument.left(equals), argument.mid(equals + 1)};
}

class Parser
{
public:
    Parser(const QStringList& arguments, Language language)
        : m_arguments(arguments), m_language(language)
    {
    }

    CommandLine parse()
    {
        QStringList words;
        while (m_index < m_arguments.size()) {
            const QString argument = m_arguments.at(m_index++);
            // After an error the words are still gathered, so that it can name the command
            // whose help to see.
            if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
                if (m_line.error.isEmpty())
                    takeOption(argument);
            } else {
                words.append(argument);
            }
        }
        takeWords(words);
        if (m_line.error.isEmpty() && !m_line.help && !m_line.version)
            check();
        return m_line;
    }

private:
    void fail(const QString& english, const QString& chinese)
    {
        if (m_line.error.isEmpty())
            m_line.error = inLanguage(m_language, english, chinese);
    }

    std::optional<QString> value(const SplitOption& option)
    {
        if (option.value)
            return option.value;
        if (m_index < m_arguments.size())
            return m_arguments.at(m_index++);
        fail(QStringLiteral("%1 needs a value").arg(option.name),
             QStringLiteral("%1 需要一个值").arg(option.name));
        return std::nullopt;
    }

    void takeNumber(const SplitOption& option, int maximum, int& target, unsigned needed)
    {
        m_used |= needed;
        const std::optional<QString> text = value(option);
        if (!text)
            return;
        bool ok = false;
        const int number = text->toInt(&ok);
        if (!ok || number < 0 || number > maximum) {
            fail(QStringLiteral("%1 takes a whole number from 0 to %2, not \"%3\"")
                     .arg(option.name)
                     .arg(maximum)
                     .arg(*text),
                 QStringLiteral("%1 须为 0 到 %2 的整数，而不是“%3”")
                     .arg(option.name)
                     .arg(maximum)
                     .arg(*text));
            return;
        }
        target = number;
    }

    void takeOption(const QString& argument)
    {
        const SplitOption option = splitOption(argument);
        const QString& name = option.name;
        const auto flag = [&](bool& target, unsigned needed = 0) {
            if (option.value)
                fail(QStringLiteral("%1 takes no value").arg(name),
                     QStringLiteral("%1 不带值").arg(name));
            target = true;
            m_used |= needed;
        };
        if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            flag(m_line.help);
        } else if (name == QLatin1String("--version")) {
            flag(m_line.version);
        } else if (name == QLatin1String("-q") || name == QLatin1String("--quiet")) {
            flag(m_line.quiet);
        } else if (name == QLatin1String("--language")) {
            if (const std::optional<QString> text = value(option)) {
                m_line.language = languageNamed(*text);
                if (!m_line.language)
                    fail(QStringLiteral("--language takes chinese or english, not \"%1\"")
                             .arg(*text),
                         QStringLiteral("--language 须为 chinese 或 english，而不是“%1”")
                             .arg(*text));
            }
        } else if (name == QLatin1String("-p") || name == QLatin1String("--port")) {
            m_used |= PortOption;
            if (const std::optional<QString> text = value(option))
                m_line.ports << *text;
            if (m_line.ports.size() > 1)
                m_used |= FleetOption;
        } else if (name == QLatin1String("--all-ports")) {
            flag(m_line.allPorts, PortOption | FleetOption);
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            m_used |= OutputOption;
            if (const std::optional<QString> text = value(option))
                m_line.output = *text;
        } else if (name == QLatin1String("--no-backup")) {
            flag(m_line.noBackup, BackupOptions);
        } else if (name == QLatin1String("--no-verify")) {
            flag(m_line.noVerify, BackupOptions);
        } else if (name == QLatin1String("--repeat")) {
            flag(m_line.repeat, BackupOptions);
        } else if (name == QLatin1String("--skip-bad-rows")) {
            flag(m_line.skipBadRows, SkipRowsOption);
        } else if (name == QLatin1String("--in-file-order")) {
            flag(m_line.inFileOrder, FileOrderOption);
        } else if (name == QLatin1String("--json")) {
            flag(m_line.json, JsonOption);
        } else if (name == QLatin1String("--dry-run")) {
            flag(m_line.dryRun, DryRunOption);
        } else if (name == QLatin1String("--low")) {
            takeNumber(option, 255, m_line.lowPower, PowerOptions);
        } else if (name == QLatin1String("--high")) {
            takeNumber(option, 255, m_line.highPower, PowerOptions);
        } else if (name == QLatin1String("--low-voltage")) {
            takeNumber(option, 2, m_line.lowVoltage, PowerOptions);
        } else if (!takePlanOption(option)) {
            fail(QStringLiteral("unknown option %1").arg(argument),
                 QStringLiteral("未知选项 %1").arg(argument));
        }
    }

    bool takePlanOption(const SplitOption& option)
    {
        const QString& name = option.name;
        const auto text = [&](QString& target) {
            m_used |= PlanOptions;
            if (const std::optional<QString> given = value(option))
                target = *given;
        };
        if (name == QLatin1String("--list")) {
            m_used |= PlanOptions;
            if (option.value)
                fail(QStringLiteral("%1 takes no value").arg(name),
                     QStringLiteral("%1 不带值").arg(name));
            m_line.listPlans = true;
        } else if (name == QLatin1String("--first")) {
            takeNumber(option, Channels, m_line.firstChannel, PlanOptions);
        } else if (name == QLatin1String("--count")) {
            takeNumber(option, Channels, m_line.channelCount, PlanOptions);
        } else if (name == QLatin1String("--channels")) {
            text(m_line.planChannels);
        } else if (name == QLatin1String("--tone")) {
            text(m_line.tone);
        } else if (name == QLatin1String("--tx-tone")) {
            text(m_line.txTone);
        } else {
            return false;
        }
        return true;
    }

    void takeWords(QStringList words)
    {
        if (words.isEmpty()) {
            if (!m_line.help && !m_line.version)
                fail(QStringLiteral("no command given"), QStringLiteral("没有给出命令"));
            return;
        }
        QString name = words.takeFirst();
        if (name == QLatin1String("calibration")) {
            if (words.isEmpty()) {
                // Both calibration commands share one help.
                if (m_line.help) {
                    m_line.command = Command::CalibrationRead;
                    return;
                }
                fail(QStringLiteral("calibration needs read or write"),
                     QStringLiteral("calibration 后须为 read 或 write"));
                return;
            }
            name += QLatin1Char(' ') + words.takeFirst();
        }
        for (const CommandShape& shape : Shapes)
            if (name == QLatin1String(shape.name))
                m_line.command = shape.command;
        if (m_line.command == Command::None) {
            fail(QStringLiteral("unknown command \"%1\"").arg(name),
                 QStringLiteral("未知命令“%1”").arg(name));
            return;
        }
        m_line.files = words;
    }

    void check()
    {
        const CommandShape& shape = *shapeOf(m_line.command);
        const QString name = QString::fromLatin1(shape.name);
        if (m_line.command == Command::Plan) {
            checkPlan();
            return;
        }
        if (m_line.files.size() != shape.fileCount) {
            fail(QStringLiteral("%1 takes %2, not %3")
                     .arg(name,
                          counted(Language::English, shape.fileCount, "file name", "file names",
                                  "个文件名"),
                          QString::number(m_line.files.size())),
                 QStringLiteral("%1 需要 %2 个文件名，而不是 %3 个")
                     .arg(name)
                     .arg(shape.fileCount)
                     .arg(m_line.files.size()));
            return;
        }
        if ((m_used & FleetOption) && (shape.options & PortOption) &&
            !(shape.options & FleetOption)) {
            fail(QStringLiteral("%1 takes one --port").arg(name),
                 QStringLiteral("%1 只接受一个 --port").arg(name));
            return;
        }
        if ((m_used & ~shape.options) != 0) {
            fail(QStringLiteral("an option given does not belong to %1").arg(name),
                 QStringLiteral("所给的选项不属于 %1").arg(name));
            return;
        }
        if ((shape.options & PortOption) && m_line.ports.isEmpty() && !m_line.allPorts)
            fail(QStringLiteral("%1 needs --port COM1 to COM4 or a device path").arg(name),
                 QStringLiteral("%1 需要 --port COM1 至 COM4 或设备路径").arg(name));
        if (m_line.allPorts && !m_line.ports.isEmpty())
            fail(QStringLiteral("give --port or --all-ports, not both"),
                 QStringLiteral("请给出 --port 或 --all-ports，不能同时给出"));
        checkFleetOutput();
        if ((shape.options & PowerOptions) &&
            (m_line.lowPower < 0 || m_line.highPower < 0 || m_line.lowVoltage < 0))
            fail(QStringLiteral("%1 needs --low, --high and --low-voltage").arg(name),
                 QStringLiteral("%1 需要 --low、--high 和 --low-voltage").arg(name));
        if (m_line.repeat && m_line.files.contains(QStringLiteral("-")))
            fail(QStringLiteral("--repeat reads its answers from standard input, so the file "
                                "cannot come from there; give its name"),
                 QStringLiteral("--repeat 从标准输入读取回答，因此文件不能来自标准输入；"
                                "请给出文件名"));
        if (m_line.json && !m_line.output.isEmpty())
            fail(QStringLiteral("--json prints what %1 finds on standard output, so it does "
                                "not go with -o")
                     .arg(name),
                 QStringLiteral("--json 把 %1 的结果输出到标准输出，因此不能与 -o 同用").arg(name));
        if (m_line.dryRun && m_line.repeat)
            fail(QStringLiteral("--dry-run checks one write and sends nothing, so it does not go "
                                "with --repeat"),
                 QStringLiteral("--dry-run 只检查一次写入且不发送任何数据，因此不能与 --repeat "
                                "同用"));
        // Several radios answer with a line each as they end, which one document cannot hold;
        // a dry run checks the one port a write would use.
        if ((m_line.json || m_line.dryRun) && m_line.isFleet()) {
            const QString option =
                m_line.json ? QStringLiteral("--json") : QStringLiteral("--dry-run");
            fail(QStringLiteral("%1 takes one --port at a time").arg(option),
                 QStringLiteral("%1 一次只能用于一个 --port").arg(option));
        }
        if (m_line.command == Command::Sheet && m_line.output.isEmpty())
            fail(QStringLiteral("sheet needs -o and the PDF file to write"),
                 QStringLiteral("sheet 需要 -o 和要写入的 PDF 文件"));
    }

    // plan takes a plan's name, or --list and nothing else.
    void checkPlan()
    {
        if (m_line.listPlans) {
            if (!m_line.files.isEmpty() || m_used != PlanOptions)
                fail(QStringLiteral("plan --list takes nothing else"),
                     QStringLiteral("plan --list 不带其他参数"));
            return;
        }
        if (m_line.files.size() != 1) {
            fail(QStringLiteral("plan takes one plan's name, or --list"),
                 QStringLiteral("plan 需要一个方案名称，或 --list"));
            return;
        }
        if (m_line.firstChannel < 1)
            fail(QStringLiteral("--first takes a channel from 1 to %1").arg(Channels),
                 QStringLiteral("--first 须为 1 到 %1 的信道").arg(Channels));
    }

    // Several radios read cannot all go to one file: each needs a name of its own.
    void checkFleetOutput()
    {
        if (m_line.command != Command::Read || !m_line.isFleet() || m_line.output.isEmpty())
            return;
        if (m_line.output == QLatin1String("-"))
            fail(QStringLiteral("several radios cannot all be read to standard output; give -o "
                                "a name with %1 in it, such as radio-%1.F19")
                     .arg(CommandLine::PortPlaceholder),
                 QStringLiteral("多台电台不能都读到标准输出；请给 -o 一个含 %1 的名称，"
                                "如 radio-%1.F19")
                     .arg(CommandLine::PortPlaceholder));
        else if (!m_line.output.contains(CommandLine::PortPlaceholder))
            fail(QStringLiteral("when several radios are read, -o needs %1 in its name for each "
                                "radio's port, such as radio-%1.F19")
                     .arg(CommandLine::PortPlaceholder),
                 QStringLiteral("读取多台电台时，-o 的名称中须含 %1 代表各电台的端口，"
                                "如 radio-%1.F19")
                     .arg(CommandLine::PortPlaceholder));
    }

    const QStringList& m_arguments;
    Language m_language;
    qsizetype m_index = 0;
    unsigned m_used = 0;
    CommandLine m_line;
};

} // namespace

bool CommandLine::usesRadio() const
{
    const CommandShape* shape = shapeOf(command);
    return shape && (shape->options & PortOption);
}

bool CommandLine::isFleet() const
{
    return ports.size() > 1 || allPorts || (command == Command::Write && repeat);
}

CommandLine CommandLine::parse(const QStringList& arguments, Language language)
{
    return Parser(arguments, language).parse();
}

std::optional<Language> CommandLine::requestedLanguage(const QStringList& arguments)
{
    // The last one counts, as when the whole line is parsed.
    std::optional<Language> requested;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const SplitOption option = splitOption(arguments.at(i));
        if (option.name != QLatin1String("--language"))
            continue;
        if (option.value)
            requested = languageNamed(*option.value);
        else if (i + 1 < arguments.size())
            requested = languageNamed(arguments.at(i + 1));
    }
    return requested;
}

bool CommandLine::requestedJson(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--json"));
}

QString CommandLine::commandName(Command command)
{
    const CommandShape* shape = shapeOf(command);
    return shape ? QString::fromLatin1(shape->name) : QString();
}
