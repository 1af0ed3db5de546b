#include "app/MenuPages.h"

#include "app/IconButton.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"

namespace {
// Two 75 x 75 frames per row, rows at y 6, 134 and 262.
constexpr int ColumnX[] = {8, 89};
constexpr int RowY[] = {6, 134, 262};
} // namespace

MenuPages::MenuPages(QWidget* parent) : PageControl(parent)
{
    using BuiltInLanguages::defaultCaption;
    using namespace LanguageString;
    setObjectName(QStringLiteral("TeSPageControl2"));
    m_file1 = addMenuPage(QStringLiteral("file1"));
    m_prog1 = addMenuPage(QStringLiteral("prog1"));
    m_tool1 = addMenuPage(QStringLiteral("tool1"));
    m_help1 = addMenuPage(QStringLiteral("help1"));

    m_new = addButton(m_file1, 0, QStringLiteral("tefxSpeedButton5"), QStringLiteral("new"),
                      defaultCaption(New));
    m_open = addButton(m_file1, 1, QStringLiteral("tefxSpeedButton6"), QStringLiteral("open"),
                       defaultCaption(Open));
    m_save = addButton(m_file1, 2, QStringLiteral("tefxSpeedButton7"), QStringLiteral("save"),
                       defaultCaption(Save));
    m_exit = addButton(m_file1, 3, QStringLiteral("tefxSpeedButton8"), QStringLiteral("exit"),
                       defaultCaption(Exit));
    m_exit->setCaptionClickable(true);

    m_read = addButton(m_prog1, 0, QStringLiteral("tefxSpeedButton9"), QStringLiteral("read"),
                       defaultCaption(Read));
    m_write = addButton(m_prog1, 1, QStringLiteral("tefxSpeedButton10"), QStringLiteral("write"),
                        defaultCaption(Write));
    m_channels = addButton(m_prog1, 2, QStringLiteral("tefxSpeedButton11"),
                           QStringLiteral("channels"), defaultCaption(ChannelEditing));
    m_settings = addButton(m_prog1, 3, QStringLiteral("tefxSpeedButton12"),
                           QStringLiteral("settings"), defaultCaption(FunctionSettingsTitle));
    m_power = addButton(m_prog1, 4, QStringLiteral("tefxSpeedButton18"), QStringLiteral("power"),
                        defaultCaption(PowerAdjust));
    // The service page is for workshops: it is reached only with the page keys.
    m_power->button()->setEnabled(false);

    m_comPort = addButton(m_tool1, 0, QStringLiteral("tefxSpeedButton13"),
                          QStringLiteral("comport"), defaultCaption(ComPort));
    m_language = addButton(m_tool1, 1, QStringLiteral("tefxSpeedButton14"),
                           QStringLiteral("language"), defaultCaption(LanguageTitle));
    m_skin = addButton(m_tool1, 2, QStringLiteral("tefxSpeedButton15"), QStringLiteral("skin"),
                       defaultCaption(SkinTitle));
    for (IconButton* button : {m_comPort, m_language, m_skin})
        button->setCaptionClickable(true);

    m_help = addButton(m_help1, 0, QStringLiteral("tefxSpeedButton16"), QStringLiteral("help"),
                       defaultCaption(Help));
    m_about = addButton(m_help1, 1, QStringLiteral("tefxSpeedButton17"), QStringLiteral("about"),
                        defaultCaption(About));
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
