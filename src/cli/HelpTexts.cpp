#include "cli/CommandLine.h"
#include "workspace/Language.h"

namespace {

const char* const EnglishCommon =
    "\nEvery command also takes:\n"
    "  --language chinese|english  the words in files and output (default: as the window\n"
    "                              starts, from install.Log)\n"
    "  -q, --quiet                 no progress and no notes, only errors\n"
    "  -h, --help                  this help\n"
    "PORT is COM1 to COM4, found as the window finds it, or a device path such as\n"
    "/dev/ttyUSB0. A FILE of - is standard input or output. Ctrl+C stops a transfer\n"
    "in order and says what the radio holds. Exit status: 0 done, 1 differences,\n"
    "2 usage, 3 port cannot be opened, 4 radio did not answer or transfer failed,\n"
    "5 file (or standard output) cannot be read or written, 130 interrupted.\n"
    "With --json the output is one JSON document, also when the command fails\n"
    "({\"exitStatus\": N, \"error\": \"...\"}); man qv3307-cli describes each.\n";

const char* const ChineseCommon =
    "\n每个命令还接受：\n"
    "  --language chinese|english  文件和输出所用的语言（默认：与窗口启动时相同，由 install.Log "
    "决定）\n"
    "  -q, --quiet                 不显示进度和提示，只显示错误\n"
    "  -h, --help                  本帮助\n"
    "PORT 为 COM1 至 COM4（查找方式与窗口相同），或设备路径，如 /dev/ttyUSB0。\n"
    "文件为 - 时表示标准输入或标准输出。Ctrl+C 会有序地停止传输，并说明电台中的内容。\n"
    "退出状态：0 完成，1 有差异，2 用法错误，3 端口无法打开，4 电台无应答或传输失败，\n"
    "5 文件（或标准输出）无法读写，130 已中断。\n"
    "带 --json 时输出为一个 JSON 文档，命令失败时也是如此"
    "（{\"exitStatus\": N, \"error\": \"...\"}）；各文档的说明见 man qv3307-cli。\n";

QString commandHelp(CommandLine::Command command, Language language)
{
    using Command = CommandLine::Command;
    switch (command) {
    case Command::Ports:
        return inLanguage(
            language,
            QStringLiteral("Usage: qv3307-cli ports [--json]\n"
                           "Lists the serial devices and which of COM1 to COM4 leads to each.\n"
                           "  --json  print them, with the state of each port, as one JSON\n"
                           "          document\n"),
            QStringLiteral("用法：qv3307-cli ports [--json]\n"
                           "列出串口设备，以及 COM1 至 COM4 各指向哪个设备。\n"
                           "  --json  以一个 JSON 文档输出，并给出每个端口的状态\n"));
    case Command::Read:
        return inLanguage(
            language,
            QStringLiteral("Usage: qv3307-cli read --port PORT [-o FILE | --json]\n"
                           "       qv3307-cli read --port PORT --port PORT... [-o NAME{port}.F19]\n"
                           "       qv3307-cli read --all-ports [-o NAME{port}.F19]\n"
                           "Reads the radio. With -o, saves it as FILE (.F19 channel file or .csv\n"
                           "channel list, by the extension); without, prints the band, the 16\n"
                           "channels and the settings. Every complete read is also kept in the\n"
                           "backups folder.\n"
                           "With several ports (--all-ports: every COM port whose device is\n"
                           "present) the radios are read at once, a line for each as it ends\n"
                           "naming its backup; -o then needs {port}, which becomes each radio's\n"
                           "port (COM2, or the device's name).\n"
                           "  --json  print the band, channels and settings as one JSON document\n"
                           "          (one port only)\n"),
            QStringLiteral("用法：qv3307-cli read --port PORT [-o 文件 | --json]\n"
                           "      qv3307-cli read --port PORT --port PORT... "
                           "[-o 名称{port}.F19]\n"
                           "      qv3307-cli read --all-ports [-o 名称{port}.F19]\n"
                           "读取电台。带 -o 时按扩展名保存为 .F19 信道文件或 .csv "
                           "信道列表；否则显示频段、16 个信道和功能设置。\n"
                           "每次完整读取的内容也会保存在备份文件夹中。\n"
                           "给出多个端口（--all-ports：所有设备已连接的 COM 端口）时，"
                           "各电台同时读取，每台结束时显示一行并注明其备份；"
                           "此时 -o 须含 {port}，代表各电台的端口（COM2 或设备名）。\n"
                           "  --json  以一个 JSON 文档输出频段、信道和功能设置"
                           "（仅限一个端口）\n"));
    case Command::Write:
        return inLanguage(
            language,
            QStringLiteral(
                "Usage: qv3307-cli write FILE --port PORT [--no-backup] [--no-verify]\n"
                "                        [--repeat] [--skip-bad-rows] [--in-file-order]\n"
                "                        [--dry-run]\n"
                "Writes FILE (.F19 or .csv) into the radio: first a backup of what the\n"
                "radio holds, then the write, then a read-back compared with the file.\n"
                "A .csv changes only the channels: the radio's settings and band stay.\n"
                "Each of its rows goes to the channel its Location names; a row that\n"
                "cannot become a channel stops the write before anything is written.\n"
                "  --no-backup      skip the backup read\n"
                "  --no-verify      skip the read-back\n"
                "  --repeat         after each radio (or set of radios), ask for the\n"
                "                   next\n"
                "  --skip-bad-rows  leave out the .csv rows that cannot become channels\n"
                "  --in-file-order  fill channels 1 to 16 in the .csv's row order,\n"
                "                   whatever its Location column says\n"
                "  --dry-run        make every check a write makes before its first\n"
                "                   byte (the file, and the port opened and let go),\n"
                "                   and send nothing (one port only)\n"
                "Give --port more than once, or --all-ports (every COM port whose\n"
                "device is present), to write several radios at once: a line for each\n"
                "as it ends, then \"Radios written: N, verified: N, failed: N\". Each\n"
                "radio of such a run, and of --repeat, gets a row in fleet-log.csv.\n"),
            QStringLiteral("用法：qv3307-cli write 文件 --port PORT [--no-backup] "
                           "[--no-verify] [--repeat]\n"
                           "                        [--skip-bad-rows] "
                           "[--in-file-order] [--dry-run]\n"
                           "把文件（.F19 或 .csv）写入电台：先备份电台现有内容，"
                           "再写入，再读回与文件比较。\n"
                           ".csv 只改变信道：电台的功能设置和频段保持不变。"
                           "其每一行写入 Location 列所指的信道；若有无法成为信道的行，"
                           "则在写入任何数据之前停止。\n"
                           "  --no-backup      不先备份\n"
                           "  --no-verify      写后不读回校验\n"
                           "  --repeat         每写完一台（或一批），等待下一台（批）\n"
                           "  --skip-bad-rows  略过 .csv 中无法成为信道的行\n"
                           "  --in-file-order  按 .csv 的行顺序填入信道 1 至 16，"
                           "不论 Location 列如何\n"
                           "  --dry-run        只做写入在发送第一个字节之前的全部检查"
                           "（文件，以及打开后即释放端口），不发送任何数据（仅限一个端口）\n"
                           "多次给出 --port，或给出 --all-ports（所有设备已连接的 COM "
                           "端口），可同时写入多台电台：每台结束时显示一行，最后显示"
                           "“已写入电台：N，已校验：N，失败：N”。此类写频及 --repeat "
                           "的每台电台都会在 fleet-log.csv 中记录一行。\n"));
    case Command::Verify:
        return inLanguage(
            language,
            QStringLiteral("Usage: qv3307-cli verify FILE --port PORT [--in-file-order] "
                           "[--json]\n"
                           "Reads the radio and lists every difference from FILE.\n"
                           "A .csv row that cannot become a channel is one too.\n"
                           "With several ports (or --all-ports) the radios are read "
                           "at once,\n"
                           "each one's differences under its line.\n"
                           "  --in-file-order  read a .csv in its row order, "
                           "whatever its Location\n"
                           "                   column says\n"
                           "  --json           print the differences as one JSON "
                           "document (one port only)\n"),
            QStringLiteral("用法：qv3307-cli verify 文件 --port PORT "
                           "[--in-file-order] [--json]\n"
                           "读取电台，列出与文件的每一处差异。"
                           ".csv 中无法成为信道的行也算作差异。\n"
                           "给出多个端口（或 --all-ports）时各电台同时读取，"
                           "各自的差异列在其行下。\n"
                           "  --in-file-order  按 .csv 的行顺序读取，"
                           "不论 Location 列如何\n"
                           "  --json           以一个 JSON 文档输出差异（仅限一个端口）\n"));
    case Command::Diff:
        return inLanguage(language,
                          QStringLiteral("Usage: qv3307-cli diff A B [--in-file-order] [--json]\n"
                                         "Lists the differences between two channel files "
                                         "(.F19 or .csv).\n"
                                         "A .csv row that cannot become a channel is one too.\n"
                                         "  --in-file-order  read a .csv in its row order, "
                                         "whatever its Location\n"
                                         "                   column says\n"
                                         "  --json           print the differences as one JSON "
                                         "document\n"),
                          QStringLiteral("用法：qv3307-cli diff A B [--in-file-order] [--json]\n"
                                         "列出两个信道文件（.F19 或 .csv）之间的差异。"
                                         ".csv 中无法成为信道的行也算作差异。\n"
                                         "  --in-file-order  按 .csv 的行顺序读取，"
                                         "不论 Location 列如何\n"
                                         "  --json           以一个 JSON 文档输出差异\n"));
    case Command::Convert:
        return inLanguage(
            language,
            QStringLiteral(
                "Usage: qv3307-cli convert A B [--skip-bad-rows] [--in-file-order]\n"
                "Converts between a .F19 channel file and a .csv channel list. A .csv\n"
                "holds no settings or band: a .F19 made from one gets the start-up\n"
                "settings and the band selected in the window. Each .csv row goes to\n"
                "the channel its Location names; a row that cannot become a channel\n"
                "stops the conversion before B is written.\n"
                "  --skip-bad-rows  leave out the .csv rows that cannot become channels\n"
                "  --in-file-order  fill channels 1 to 16 in the .csv's row order,\n"
                "                   whatever its Location column says\n"),
            QStringLiteral("用法：qv3307-cli convert A B [--skip-bad-rows] "
                           "[--in-file-order]\n"
                           "在 .F19 信道文件和 .csv 信道列表之间转换。.csv "
                           "不含功能设置和频段：由它生成的 .F19 取启动时的功能设置"
                           "和窗口中选中的频段。.csv 的每一行转入 Location 列所指的"
                           "信道；若有无法成为信道的行，则在写出 B 之前停止。\n"
                           "  --skip-bad-rows  略过 .csv 中无法成为信道的行\n"
                           "  --in-file-order  按 .csv 的行顺序填入信道 1 至 16，"
                           "不论 Location 列如何\n"));
    case Command::CalibrationRead:
    case Command::CalibrationWrite:
        return inLanguage(
            language,
            QStringLiteral("Usage: qv3307-cli calibration read --port PORT [--json]\n"
                           "       qv3307-cli calibration write --port PORT --low N --high N\n"
                           "                                    --low-voltage N\n"
                           "Reads or writes the transmitter power calibration: low and high power\n"
                           "(0 to 255) and the low voltage setting (0, 1 or 2). A read is also\n"
                           "noted in calibration.log in the backups folder.\n"
                           "  --json  print what a read finds as one JSON document\n"),
            QStringLiteral("用法：qv3307-cli calibration read --port PORT [--json]\n"
                           "      qv3307-cli calibration write --port PORT --low N "
                           "--high N --low-voltage N\n"
                           "读取或写入发射功率校准：低功率和高功率（0 至 255）及低电压"
                           "设置（0、1 或 2）。每次读取也记入备份文件夹中的 "
                           "calibration.log。\n"
                           "  --json  以一个 JSON 文档输出读取的结果\n"));
    case Command::Plan:
        return inLanguage(
            language,
            QStringLiteral(
                "Usage: qv3307-cli plan NAME [-o FILE] [--first N] [--count N]\n"
                "                       [--channels LIST] [--tone TONE] [--tx-tone TONE]\n"
                "       qv3307-cli plan --list\n"
                "Fills the channels from a plan: PMR446, FRS, or a channel file (.csv or\n"
                ".F19) of your own in ~/.local/share/qv3307/plans/. With -o, saves the\n"
                "result as FILE; without, prints it. The settings are the start-up ones\n"
                "and the band the one selected in the window; plan channels outside it\n"
                "are left out and listed.\n"
                "  --list           list the plans\n"
                "  --first N        the first channel to fill (default 1)\n"
                "  --count N        how many channels to fill (default: up to 16)\n"
                "  --channels LIST  the plan's channels to use, such as 1-7,15-22\n"
                "  --tone TONE      receive and transmit tone of every channel: OFF,\n"
                "                   67.0, D023N... (default: as in the plan)\n"
                "  --tx-tone TONE   a transmit tone that differs\n"),
            QStringLiteral("用法：qv3307-cli plan 名称 [-o 文件] [--first N] [--count N]\n"
                           "      [--channels 列表] [--tone 亚音] [--tx-tone 亚音]\n"
                           "      qv3307-cli plan --list\n"
                           "按频率方案填充信道：PMR446、FRS，或您放在 "
                           "~/.local/share/qv3307/plans/ 中的信道文件（.csv 或 .F19）。"
                           "带 -o 时保存为文件；否则显示结果。功能设置取启动时的值，"
                           "频段取窗口中选中的频段；超出频段的方案信道不填入，并列出。\n"
                           "  --list           列出所有方案\n"
                           "  --first N        从第几个信道开始填（默认 1）\n"
                           "  --count N        填充几个信道（默认：直到第 16 个）\n"
                           "  --channels 列表  使用方案中的哪些信道，如 1-7,15-22\n"
                           "  --tone 亚音      每个信道的接收和发射亚音：OFF、67.0、"
                           "D023N……（默认：按方案）\n"
                           "  --tx-tone 亚音   不同的发射亚音\n"));
    case Command::Sheet:
        return inLanguage(
            language,
            QStringLiteral(
                "Usage: qv3307-cli sheet FILE -o SHEET.pdf\n"
                "Writes the channel sheet of FILE (.F19 or .csv) as a one-page PDF: the\n"
                "band, the date, the 16 channels, the function settings and a box for\n"
                "the radio and its owner. A4, or Letter where the locale prints on it.\n"),
            QStringLiteral("用法：qv3307-cli sheet 文件 -o 信道表.pdf\n"
                           "把文件（.F19 或 .csv）的信道表写成一页 PDF：频段、日期、"
                           "16 个信道、功能设置，以及填写电台和机主的方框。"
                           "纸张为 A4，所在地区使用 Letter 时为 Letter。\n"));
    case Command::None:
        break;
    }
    return inLanguage(
        language,
        QStringLiteral("Usage: qv3307-cli COMMAND [OPTIONS]\n"
                       "Programs a QV3307 radio from the command line.\n\n"
                       "Commands:\n"
                       "  ports                          list the serial devices\n"
                       "  read --port PORT [-o FILE]     read the radio\n"
                       "  write FILE --port PORT         write the radio (backup, write, verify)\n"
                       "  verify FILE --port PORT        compare the radio with a file\n"
                       "  diff A B                       compare two channel files\n"
                       "  convert A B                    .F19 to .csv, or .csv to .F19\n"
                       "  calibration read|write ...     the transmitter power calibration\n"
                       "  plan NAME [-o FILE]            fill the channels from a plan\n"
                       "  plan --list                    list the plans\n"
                       "  sheet FILE -o SHEET.pdf        write a channel sheet to print\n"
                       "  --version                      the program's version\n\n"
                       "qv3307-cli COMMAND --help tells more about a command.\n"),
        QStringLiteral("用法：qv3307-cli 命令 [选项]\n"
                       "在命令行中为 QV3307 电台编程。\n\n"
                       "命令：\n"
                       "  ports                          列出串口设备\n"
                       "  read --port PORT [-o 文件]     读取电台\n"
                       "  write 文件 --port PORT         写入电台（备份、写入、校验）\n"
                       "  verify 文件 --port PORT        比较电台与文件\n"
                       "  diff A B                       比较两个信道文件\n"
                       "  convert A B                    .F19 转 .csv，或 .csv 转 "
                       ".F19\n"
                       "  calibration read|write ...     发射功率校准\n"
                       "  plan 名称 [-o 文件]            按频率方案填充信道\n"
                       "  plan --list                    列出所有方案\n"
                       "  sheet 文件 -o 信道表.pdf       写出可打印的信道表\n"
                       "  --version                      程序版本\n\n"
                       "qv3307-cli 命令 --help 显示该命令的详细说明。\n"));
}

} // namespace

QString CommandLine::helpText(Command command, Language language)
{
    return commandHelp(command, language) +
           inLanguage(language, QString::fromUtf8(EnglishCommon), QString::fromUtf8(ChineseCommon));
}
