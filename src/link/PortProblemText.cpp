#include "link/PortProblemText.h"

#include <QStringList>

namespace {

// The programs known to take serial cables for their own purposes.
bool isCableProber(const QString& program)
{
    return program.compare(QLatin1String("ModemManager"), Qt::CaseInsensitive) == 0 ||
           program.compare(QLatin1String("brltty"), Qt::CaseInsensitive) == 0;
}

} // namespace

namespace PortProblemText {

QString cause(const PortDiagnosis& diagnosis, Language language, Face face)
{
    switch (diagnosis.cause) {
    case PortDiagnosis::Cause::Missing:
        return missingDevice(diagnosis.device, diagnosis.presentDevices, language, face);
    case PortDiagnosis::Cause::PermissionDenied:
        return permissionDenied(diagnosis.device, language);
    case PortDiagnosis::Cause::Busy:
        return heldByAnotherProcess(diagnosis.device, diagnosis.holder, language);
    case PortDiagnosis::Cause::NoAnswer:
        return radioDidNotAnswer(diagnosis.device, language);
    case PortDiagnosis::Cause::WrongAnswer:
        return wrongAnswer(diagnosis.device, language);
    case PortDiagnosis::Cause::Unusable:
        break;
    }
    return notASerialPort(diagnosis.device, language, face);
}

Messenger::Cause causeOf(const PortDiagnosis& diagnosis)
{
    return [diagnosis](Language language) { return cause(diagnosis, language); };
}

QString missingDevice(const QString& device, const QList<SerialDevice>& present, Language language,
                      Face face)
{
    QStringList lines;
    lines << inLanguage(language,
                        QStringLiteral("Cause: the device %1 does not exist. The cable is not "
                                       "plugged in, or the port leads to another device."),
                        QStringLiteral("原因：设备 %1 不存在。写频线没有插上，或者该端口指向了"
                                       "别的设备。"))
                 .arg(device);
    if (present.isEmpty())
        lines << inLanguage(language, "No serial device is present: plug the cable in.",
                            "当前没有任何串口设备：请插上写频线。");
    else if (face == Face::Window)
        lines << inLanguage(language,
                            "Serial devices present (choose one on the COM Port page under "
                            "Options):",
                            "当前的串口设备（请在“选项”的“通信端口”页中选择）：");
    else
        lines << inLanguage(language, "Serial devices present (give one with --port):",
                            "当前的串口设备（请用 --port 指定其中之一）：");
    for (const SerialDevice& serial : present)
        lines << QStringLiteral("  ") + serial.nameAndLabel();
    return lines.join(QLatin1Char('\n'));
}

QString permissionDenied(const QString& device, Language language)
{
    return inLanguage(language,
                      QStringLiteral("Cause: you may not open %1. Serial devices belong to the "
                                     "dialout group: join it with\n  sudo usermod -aG dialout "
                                     "$USER\nthen log out and in again."),
                      QStringLiteral("原因：当前用户无权打开 %1。串口设备属于 dialout 组，请执行\n"
                                     "  sudo usermod -aG dialout $USER\n然后注销并重新登录。"))
        .arg(device);
}

QString heldByAnotherProcess(const QString& device, const std::optional<PortHolder>& holder,
                             Language language)
{
    if (!holder) {
        return inLanguage(language,
                          QStringLiteral("Cause: another program is using %1. Close it and try "
                                         "again."),
                          QStringLiteral("原因：%1 正被其他程序占用。请关闭该程序后重试。"))
            .arg(device);
    }
    QString text =
        inLanguage(language,
                   QStringLiteral("Cause: %1 is held by %2 (process %3). Close that "
                                  "program and try again."),
                   QStringLiteral("原因：%1 正被 %2（进程 %3）占用。请关闭该程序后重试。"))
            .arg(device, holder->name)
            .arg(holder->pid);
    if (isCableProber(holder->name)) {
        text +=
            inLanguage(language,
                       QStringLiteral("\n%1 takes serial cables for its own use. Install the "
                                      "udev rule %2 (see the README), then plug the cable in "
                                      "again."),
                       QStringLiteral("\n%1 会占用串口写频线。请安装 udev 规则 %2（见 README），"
                                      "然后重新插上写频线。"))
                .arg(holder->name, UdevRule);
    }
    return text;
}

QString radioDidNotAnswer(const QString& device, Language language)
{
    return inLanguage(
               language,
               QStringLiteral("Cause: the port %1 opened, but the radio did not answer. "
                              "Check that the radio is switched on with a charged battery, "
                              "that the plug is pushed fully into the radio, and that this "
                              "is the radio's programming cable."),
               QStringLiteral("原因：端口 %1 已打开，但电台没有应答。请确认电台已开机且电池"
                              "有电、写频线插头已完全插入电台，并且使用的是本电台的写频线。"))
        .arg(device);
}

QString wrongAnswer(const QString& device, Language language)
{
    return inLanguage(language,
                      QStringLiteral("Cause: something answered on %1, but not as the radio does: "
                                     "bytes were missing, wrong or too many. The line is "
                                     "disturbed, or the port leads to another device. Check that "
                                     "the plug is pushed fully into the radio and that this is the "
                                     "radio's programming cable, then try again."),
                      QStringLiteral("原因：%1 上收到了应答，但与电台的应答不符：字节缺少、错误或"
                                     "多余。线路受到干扰，或者该端口连接的不是电台。请确认写频线"
                                     "插头已完全插入电台，并且使用的是本电台的写频线，然后重试。"))
        .arg(device);
}

QString notASerialPort(const QString& device, Language language, Face face)
{
    const QString cause = inLanguage(language, QStringLiteral("Cause: %1 is not a serial port. "),
                                     QStringLiteral("原因：%1 不是串口。"))
                              .arg(device);
    if (face == Face::Window)
        return cause + inLanguage(language,
                                  "Choose the cable's device on the COM Port page under Options.",
                                  "请在“选项”的“通信端口”页中选择写频线的设备。");
    return cause +
           inLanguage(language,
                      "Give the cable's device with --port; qv3307-cli ports lists the "
                      "serial devices.",
                      "请用 --port 指定写频线的设备；qv3307-cli ports 会列出所有串口设备。");
}

} // namespace PortProblemText
