#include "app/MenuPages.h"

#include "app/IconButton.h"
#include "app/LanguageStrings.h"
#include "app/LanguageTable.h"

namespace {
// Two 75 x 75 frames per row, rows at y 6, 134 and 262.
constexpr int ColumnX[] = {8, 89};
constexpr int RowY[] = {6, 134, 262};
} // namespace

MenuPages::MenuPages(QWidget* parent) : PageControl(parent)
{
    setObjectName(QStringLiteral("TeSPageControl2"));
    m_file1 = addMenuPage(QStringLiteral("file1"));
    m_prog1 = addMenuPage(QStringLiteral("prog1"));
    m_tool1 = addMenuPage(QStringLiteral("tool1"));
    m_help1 = addMenuPage(QStringLiteral("help1"));

    m_new = addButton(m_file1, 0, QStringLiteral("tefxSpeedButton5"), QStringLiteral("new"),
                      QStringLiteral("新建"));
    m_open = addButton(m_file1, 1, QStringLiteral("tefxSpeedButton6"), QStringLiteral("open"),
                       QStringLiteral("打开"));
    m_save = addButton(m_file1, 2, QStringLiteral("tefxSpeedButton7"), QStringLiteral("save"),
                       QStringLiteral("保存"));
    m_exit = addButton(m_file1, 3, QStringLiteral("tefxSpeedButton8"), QStringLiteral("exit"),
                       QStringLiteral("退出"));
    m_exit->setCaptionClickable(true);

    m_read = addButton(m_prog1, 0, QStringLiteral("tefxSpeedButton9"), QStringLiteral("read"),
                       QStringLiteral("读频"));
    m_write = addButton(m_prog1, 1, QStringLiteral("tefxSpeedButton10"), QStringLiteral("write"),
                        QStringLiteral("写频"));
    m_channels = addButton(m_prog1, 2, QStringLiteral("tefxSpeedButton11"),
                           QStringLiteral("channels"), QStringLiteral("信道编辑"));
    m_settings = addButton(m_prog1, 3, QStringLiteral("tefxSpeedButton12"),
                           QStringLiteral("settings"), QStringLiteral("功能选项"));
    m_power = addButton(m_prog1, 4, QStringLiteral("tefxSpeedButton18"), QStringLiteral("power"),
                        QStringLiteral("功率调整"));
    // The service page is for workshops: it is reached only with the page keys.
    m_power->button()->setEnabled(false);

    m_comPort = addButton(m_tool1, 0, QStringLiteral("tefxSpeedButton13"),
                          QStringLiteral("comport"), QStringLiteral("通信端口"));
    m_language = addButton(m_tool1, 1, QStringLiteral("tefxSpeedButton14"),
                           QStringLiteral("language"), QStringLiteral("语言"));
    m_skin = addButton(m_tool1, 2, QStringLiteral("tefxSpeedButton15"), QStringLiteral("skin"),
                       QStringLiteral("皮肤"));
    for (IconButton* button : {m_comPort, m_language, m_skin})
        button->setCaptionClickable(true);

    m_help = addButton(m_help1, 0, QStringLiteral("tefxSpeedButton16"), QStringLiteral("help"),
                       QStringLiteral("帮助"));
    m_about = addButton(m_help1, 1, QStringLiteral("tefxSpeedButton17"), QStringLiteral("about"),
                        QStringLiteral("关于"));
}

void MenuPages::applyCaptions(const LanguageTable& table)
{
    using namespace LanguageString;
    const std::pair<IconButton*, int> captions[] = {
        {m_new, New},
        {m_open, Open},
        {m_save, Save},
        {m_exit, Exit},
        {m_read, Read},
        {m_write, Write},
        {m_channels, ChannelEditing},
        {m_settings, FunctionSettingsTitle},
        {m_power, PowerAdjust},
        {m_comPort, ComPort},
        {m_language, LanguageTitle},
        {m_skin, SkinTitle},
        {m_help, Help},
        {m_about, About},
    };
    for (const auto& [button, number] : captions)
        button->setCaption(table.string(number));
}

QWidget* MenuPages::addMenuPage(const QString& name)
{
    auto* page = new QWidget(this);
    page->setObjectName(name);
    addWidget(page);
    return page;
}

IconButton* MenuPages::addButton(QWidget* page, int slot, const QString& objectName,
                                 const QString& icon, const QString& caption)
{
    auto* button = new IconButton(objectName, icon, caption, page);
    button->move(ColumnX[slot % 2], RowY[slot / 2]);
    return button;
}
