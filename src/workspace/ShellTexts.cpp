#include "workspace/ShellTexts.h"

namespace {

struct TipText
{
    ShellTexts::Tip tip;
    const char* english;
    const char* chinese;
};

using T = ShellTexts::Tip;
constexpr TipText Tips[] = {
    {T::FileMenu, "File: new, open, save, exit", "文件：新建、打开、保存、退出"},
    {T::ProgramMenu, "Program: read, write, channels, functions",
     "编辑：读频、写频、信道、功能选项"},
    {T::OptionsMenu, "Options: COM port, language, skin", "选项：通信端口、语言、皮肤"},
    {T::HelpMenu, "Help: the manual and About", "帮助：使用手册与关于"},
    {T::New, "New channel data (Alt+N)", "新建信道数据 (Alt+N)"},
    {T::Open, "Open a channel file (Alt+O)", "打开信道文件 (Alt+O)"},
    {T::Save, "Save a channel file (Alt+S)", "保存信道文件 (Alt+S)"},
    {T::Exit, "Close the program (Alt+X)", "退出程序 (Alt+X)"},
    {T::Read, "Read the radio (Alt+R)", "从电台读频 (Alt+R)"},
    {T::Write, "Write the radio (Alt+W)", "写频到电台 (Alt+W)"},
    {T::Channels, "The channel grid (Alt+E)", "信道表 (Alt+E)"},
    {T::Settings, "The function settings (Alt+T)", "功能选项 (Alt+T)"},
    {T::PowerAdjust, "Power Adjust: press Ctrl+Tab twice from the channel grid",
     "功率调整：在信道表中按两次 Ctrl+Tab"},
    {T::ComPort, "Choose the COM port and the cable", "选择通信端口与写频线"},
    {T::Language, "Choose the language", "选择语言"},
    {T::Skin, "Choose the skin", "选择皮肤"},
    {T::Help, "Open the manual (F1)", "打开使用手册 (F1)"},
    {T::About, "About this program", "关于本程序"},
    {T::StartTransfer, "Start the transfer with the radio", "开始与电台传输"},
    {T::CloseTransfer, "Close this window and free the port", "关闭此窗口并释放端口"},
    {T::CalibrationRead, "Read the power calibration from the radio", "从电台读取功率校准"},
    {T::CalibrationWrite, "Write the power calibration to the radio (after a read)",
     "把功率校准写入电台（须先读取）"},
    {T::AgingTest, "Start the radio's aging test", "启动电台的老化测试"},
    {T::UseDevice, "Tie the checked COM port to the selected device, kept by its stable name",
     "把选中的通信端口绑定到所选设备（按固定名称保存）"},
    {T::ForgetDevice, "Forget the device tied to the checked COM port",
     "取消选中的通信端口所绑定的设备"},
};

} // namespace

namespace ShellTexts {

QString tooltip(Tip tip, Language language)
{
    for (const TipText& text : Tips) {
        if (text.tip == tip)
            return inLanguage(language, text.english, text.chinese);
    }
    return {};
}

QString readReport(int channels, int portNumber, Language language)
{
    return inLanguage(language, QStringLiteral("Read %1 from COM%2"),
                      QStringLiteral("已从 COM%2 读取 %1"))
        .arg(counted(language, channels, "channel", "channels", "个信道"))
        .arg(portNumber);
}

QString writtenReport(int channels, int portNumber, Language language)
{
    return inLanguage(language, QStringLiteral("Wrote %1 to COM%2"),
                      QStringLiteral("已向 COM%2 写入 %1"))
        .arg(counted(language, channels, "channel", "channels", "个信道"))
        .arg(portNumber);
}

QString savedReport(const QString& fileName, Language language)
{
    return inLanguage(language, QStringLiteral("Saved %1"), QStringLiteral("已保存 %1"))
        .arg(fileName);
}

QString openedReport(const QString& fileName, Language language)
{
    return inLanguage(language, QStringLiteral("Opened %1"), QStringLiteral("已打开 %1"))
        .arg(fileName);
}

QString portChoiceNotSaved(const QString& path, Language language)
{
    return inLanguage(language,
                      QStringLiteral("The COM port's device could not be saved in %1; the choice "
                                     "holds only until the program closes"),
                      QStringLiteral("通信端口的设备无法保存到 %1，该选择仅在程序关闭前有效"))
        .arg(path);
}

} // namespace ShellTexts

QString ShellTexts::withNote(const QString& report, const QString& note)
{
    return note.isEmpty() ? report : report + QStringLiteral(" — ") + note;
}
