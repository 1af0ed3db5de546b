#pragma once

#include "workspace/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the user asked of qv3307-cli: the command, its files and options, and the options
// every command takes.
struct CommandLine
{
    enum class Command {
        None,
        Ports,
        Read,
        Write,
        Verify,
        Diff,
        Convert,
        CalibrationRead,
        CalibrationWrite,
        Plan,
        Sheet,
    };

    Command command = Command::None;
    QStringList files;     // the file of write and verify, the two of diff and convert
    QStringList ports;     // each COM1 to COM4 or a device path, in the order given
    bool allPorts = false; // every COM port whose device is present
    QString output;        // read, plan and sheet -o
    bool noBackup = false;
    bool noVerify = false;
    bool repeat = false;
    bool skipBadRows =
        false; // write and convert a channel list leaving out the rows that do not fit
    bool inFileOrder = false; // a channel list fills channels 1 to 16 in its order
    bool json = false;        // what the command found as one JSON document on standard output
    bool dryRun = false;      // write: every check before the first byte, and nothing sent
    int lowPower = -1;
    int highPower = -1;
    int lowVoltage = -1;
    // plan: --list, or the plan's name in `files` and how it fills.
    bool listPlans = false;
    int firstChannel = 1;
    int channelCount = 0; // as many as there are channels from the first
    QString planChannels; // such as "1-7,15-22"; all of the plan's when empty
    QString tone;         // for receive and transmit; the plan's own when empty
    QString txTone;       // for transmit, when it differs

    std::optional<Language> language;
    bool quiet = false;
    bool help = false;
    bool version = false;
    // Why the command line cannot be carried out; empty when it can.
    QString error;

    bool usesRadio() const;
    // Whether the command runs on several radios at once, each on its own port: more than
    // one --port, --all-ports, or write --repeat (a round of every port, then the next).
    bool isFleet() const;
    // In the name given to read -o when several radios are read: each radio's port.
    static inline const QString PortPlaceholder = QStringLiteral("{port}");

    // Parses the arguments after the program's name. `language` words the error.
    static CommandLine parse(const QStringList& arguments, Language language);
    // The language a --language option asks for, before anything else is parsed, so that
    // a usage error already speaks it.
    static std::optional<Language> requestedLanguage(const QStringList& arguments);
    // Whether --json was given, so that a usage error too can be told as a JSON document.
    static bool requestedJson(const QStringList& arguments);

    // The help of the command, or of the program when there is none.
    static QString helpText(Command command, Language language);
    // The command's name as typed, such as "calibration write".
    static QString commandName(Command command);
};
