#include "app/MenuPages.h"

#include "plans/PlanTexts.h"
#include "workspace/ShellTexts.h"

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
    setObjectName(QStringLiteral("menuPages"));
    m_fileMenu = addMenuPage(QStringLiteral("fileMenu"));
    m_programMenu = addMenuPage(QStringLiteral("programMenu"));
    m_optionsMenu = addMenuPage(QStringLiteral("optionsMenu"));
    m_helpMenu = addMenuPage(QStringLiteral("helpMenu"));

    m_new = addButton(m_fileMenu, 0, QStringLiteral("newButton"), QStringLiteral("new"),
                      defaultCaption(New));
    m_open = addButton(m_fileMenu, 1, QStringLiteral("openButton"), QStringLiteral("open"),
                       defaultCaption(Open));
    m_save = addButton(m_fileMenu, 2, QStringLiteral("saveButton"), QStringLiteral("save"),
                       defaultCaption(Save));
    m_exit = addButton(m_fileMenu, 3, QStringLiteral("exitButton"), QStringLiteral("exit"),
                       defaultCaption(Exit));
    m_exit->setCaptionClickable(true);
    m_print = addButton(m_fileMenu, 4, QStringLiteral("printButton"), QStringLiteral("print"),
                        PlanTexts::text(PlanTexts::Text::PrintSheetLabel, Language::Chinese));

    m_read = addButton(m_programMenu, 0, QStringLiteral("readButton"), QStringLiteral("read"),
                       defaultCaption(Read));
    m_write = addButton(m_programMenu, 1, QStringLiteral("writeButton"), QStringLiteral("write"),
                        defaultCaption(Write));
    m_channels = addButton(m_programMenu, 2, QStringLiteral("channelsButton"),
                           QStringLiteral("channels"), defaultCaption(ChannelEditing));
    m_settings = addButton(m_programMenu, 3, QStringLiteral("settingsButton"),
                           QStringLiteral("settings"), defaultCaption(FunctionSettingsTitle));
    m_power = addButton(m_programMenu, 4, QStringLiteral("powerButton"), QStringLiteral("power"),
                        defaultCaption(PowerAdjust));
    // The service page is for workshops: it is reached only with the page keys.
    m_power->setButtonEnabled(false);

    m_comPort = addButton(m_optionsMenu, 0, QStringLiteral("comPortButton"),
                          QStringLiteral("comport"), defaultCaption(ComPort));
    m_language = addButton(m_optionsMenu, 1, QStringLiteral("languageButton"),
                           QStringLiteral("language"), defaultCaption(LanguageTitle));
    m_skin = addButton(m_optionsMenu, 2, QStringLiteral("skinButton"), QStringLiteral("skin"),
                       defaultCaption(SkinTitle));
    for (IconButton* button : {m_comPort, m_language, m_skin})
        button->setCaptionClickable(true);

    m_help = addButton(m_helpMenu, 0, QStringLiteral("helpButton"), QStringLiteral("help"),
                       defaultCaption(Help));
    m_about = addButton(m_helpMenu, 1, QStringLiteral("aboutButton"), QStringLiteral("about"),
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

void MenuPages::applyTooltips(Language language)
{
    using T = ShellTexts::Tip;
    const std::pair<IconButton*, T> tips[] = {
        {m_new, T::New},           {m_open, T::Open},         {m_save, T::Save},
        {m_exit, T::Exit},         {m_read, T::Read},         {m_write, T::Write},
        {m_channels, T::Channels}, {m_settings, T::Settings}, {m_power, T::PowerAdjust},
        {m_comPort, T::ComPort},   {m_language, T::Language}, {m_skin, T::Skin},
        {m_help, T::Help},         {m_about, T::About},
    };
    for (const auto& [button, tip] : tips) {
        const QString text = ShellTexts::tooltip(tip, language);
        button->setToolTip(text);
        button->setButtonToolTip(text);
    }
    m_print->setCaption(PlanTexts::text(PlanTexts::Text::PrintSheetLabel, language));
    const QString printTip =
        PlanTexts::text(PlanTexts::Text::PrintSheet, language) + QStringLiteral(" (Ctrl+P)");
    m_print->setToolTip(printTip);
    m_print->setButtonToolTip(printTip);
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
