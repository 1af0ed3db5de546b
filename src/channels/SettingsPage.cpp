#include "channels/SettingsPage.h"

#include "workspace/BandList.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>

namespace {
constexpr int RowHeight = 34;
constexpr int LabelWidth = 150;
constexpr int BoxWidth = 160;
} // namespace

SettingsPage::SettingsPage(FunctionSettings& settings, BandList& bands, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_bands(bands)
{
    using S = FunctionSettings;
    using BuiltInLanguages::defaultCaption;
    m_functionGroup = new QGroupBox(defaultCaption(LanguageString::FunctionSettingsTitle), this);
    m_functionGroup->setObjectName(QStringLiteral("functionGroup"));
    m_functionGroup->setGeometry(16, 12, 350, 7 * RowHeight + 36);
    addSettingRow(m_functionGroup, S::Squelch, 0, QStringLiteral("squelchBox"));
    addSettingRow(m_functionGroup, S::BatterySave, 1, QStringLiteral("batterySaveBox"));
    addSettingRow(m_functionGroup, S::TimeOut, 2, QStringLiteral("timeOutBox"));
    addSettingRow(m_functionGroup, S::PromptTone, 3, QStringLiteral("promptToneBox"));
    addSettingRow(m_functionGroup, S::AlarmKey, 4, QStringLiteral("alarmKeyBox"));
    addSettingRow(m_functionGroup, S::Scan, 5, QStringLiteral("scanBox"));
    addSettingRow(m_functionGroup, S::VoicePrompt, 6, QStringLiteral("voicePromptBox"));

    auto* voxGroup = new QGroupBox(QStringLiteral("VOX"), this);
    voxGroup->setObjectName(QStringLiteral("voxGroup"));
    voxGroup->setGeometry(16, 12 + 7 * RowHeight + 48, 350, 3 * RowHeight + 36);
    addSettingRow(voxGroup, S::VoxGain, 0, QStringLiteral("voxGainBox"));
    addSettingRow(voxGroup, S::VoxDelay, 1, QStringLiteral("voxDelayBox"));
    m_voxInhibit = new QCheckBox(defaultCaption(LanguageString::VoxInhibit), voxGroup);
    m_voxInhibit->setObjectName(QStringLiteral("voxInhibitBox"));
    m_voxInhibit->setGeometry(16, 24 + 2 * RowHeight, 300, 24);
    m_voxInhibit->setChecked(settings.voxInhibit());
    connect(m_voxInhibit, &QCheckBox::toggled, &settings, &FunctionSettings::setVoxInhibit);
    connect(m_voxInhibit, &QCheckBox::clicked, this, &SettingsPage::settingChosen);
    connect(&settings, &FunctionSettings::voxInhibitChanged, m_voxInhibit, &QCheckBox::setChecked);

    m_bandGroup = new QGroupBox(defaultCaption(LanguageString::Band), this);
    m_bandGroup->setObjectName(QStringLiteral("bandGroup"));
    m_bandGroup->setGeometry(390, 12, 240, 72);
    m_bandBox = new QComboBox(m_bandGroup);
    m_bandBox->setObjectName(QStringLiteral("bandBox"));
    m_bandBox->setGeometry(16, 28, 200, 26);
    showBands();
    connect(m_bandBox, &QComboBox::activated, &bands, &BandList::select);
    connect(&bands, &BandList::entryAppended, this, &SettingsPage::showBands);
    connect(&bands, &BandList::selectionChanged, this, &SettingsPage::showBands);

    connect(&settings, &FunctionSettings::entriesChanged, this, &SettingsPage::showEntries);
    connect(&settings, &FunctionSettings::positionChanged, this,
            [this](FunctionSettings::Setting setting) { showPosition(setting); });
}

void SettingsPage::applyCaptions(const LanguageTable& table)
{
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        m_labels[setting]->setText(
            table.string(LanguageString::settingLabel(FunctionSettings::Setting(setting))));
    m_voxInhibit->setText(table.string(LanguageString::VoxInhibit));
    m_functionGroup->setTitle(table.string(LanguageString::FunctionSettingsTitle));
    m_bandGroup->setTitle(table.string(LanguageString::Band));
}

void SettingsPage::addSettingRow(QGroupBox* group, FunctionSettings::Setting setting, int row,
                                 const QString& objectName)
{
    auto* label =
        new QLabel(BuiltInLanguages::defaultCaption(LanguageString::settingLabel(setting)), group);
    label->setObjectName(objectName + QStringLiteral("Label"));
    label->setGeometry(16, 26 + row * RowHeight, LabelWidth, 24);
    auto* box = new QComboBox(group);
    box->setObjectName(objectName);
    box->setGeometry(16 + LabelWidth + 8, 26 + row * RowHeight, BoxWidth, 24);
    label->setBuddy(box);
    m_labels[setting] = label;
    m_boxes[setting] = box;
    showEntries(setting);
    connect(box, &QComboBox::activated, &m_settings, [this, setting](int index) {
        m_settings.setPosition(setting, index);
        emit settingChosen();
    });
}

void SettingsPage::showEntries(FunctionSettings::Setting setting)
{
    QComboBox* box = m_boxes[setting];
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(m_settings.entries(setting));
    showPosition(setting);
}

void SettingsPage::showPosition(FunctionSettings::Setting setting)
{
    // A position the radio reported beyond the list shows as an empty box; it is kept
    // and written back as it is.
    QComboBox* box = m_boxes[setting];
    const QSignalBlocker quiet(box);
    const int position = m_settings.position(setting);
    box->setCurrentIndex(position < box->count() ? position : -1);
}

void SettingsPage::showBands()
{
    const QSignalBlocker quiet(m_bandBox);
    if (m_bandBox->count() != m_bands.count()) {
        m_bandBox->clear();
        m_bandBox->addItems(m_bands.entries());
    }
    m_bandBox->setCurrentIndex(m_bands.selectedIndex());
}
