#include "plans/PlanFillDialog.h"

#include "channels/FrequencyNormaliser.h"
#include "plans/PlanLibrary.h"
#include "plans/PlanTexts.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace {

// The tone lists' entries: the plan's own tones first, then the tone list.
constexpr int AsInThePlan = 0;

} // namespace

PlanFillDialog::PlanFillDialog(const Workspace& workspace, const QString& userFolder,
                               int firstChannel, QWidget* parent)
    : QDialog(parent), m_workspace(workspace), m_userFolder(userFolder),
      m_plans(new QComboBox(this)), m_note(new QLabel(this)), m_channels(new QListWidget(this)),
      m_first(new QSpinBox(this)), m_count(new QSpinBox(this)),
      m_rxTone(toneList(QStringLiteral("rxToneList"))),
      m_txTone(toneList(QStringLiteral("txToneList"))), m_summary(new QLabel(this))
{
    const Language language = workspace.checkedLanguage;
    using PlanTexts::Text;
    const auto text = [language](Text which) { return PlanTexts::text(which, language); };
    setObjectName(QStringLiteral("planFillDialog"));
    setWindowTitle(text(Text::DialogTitle));

    m_plans->setObjectName(QStringLiteral("planList"));
    m_plans->addItems(PlanLibrary::names(userFolder));
    m_note->setObjectName(QStringLiteral("planNote"));
    m_note->setWordWrap(true);
    m_channels->setObjectName(QStringLiteral("planChannels"));
    m_channels->setMinimumHeight(180);
    m_first->setObjectName(QStringLiteral("firstChannel"));
    m_first->setRange(Row::FirstChannel, Row::LastChannel);
    m_first->setValue(std::clamp(firstChannel, int(Row::FirstChannel), int(Row::LastChannel)));
    m_count->setObjectName(QStringLiteral("channelCount"));
    m_summary->setObjectName(QStringLiteral("fillSummary"));
    m_summary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(text(Text::Plan), m_plans);
    layout->addRow(m_note);
    layout->addRow(new QLabel(text(Text::PlanChannels), this));
    layout->addRow(m_channels);
    layout->addRow(text(Text::FirstChannel), m_first);
    layout->addRow(text(Text::HowMany), m_count);
    layout->addRow(text(Text::RxTone), m_rxTone);
    layout->addRow(text(Text::TxTone), m_txTone);
    layout->addRow(m_summary);
    layout->addRow(buttons);
    // The dialog grows and shrinks with the list of channels left out.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_channels->setMinimumWidth(420);

    connect(m_plans, &QComboBox::currentIndexChanged, this, &PlanFillDialog::choosePlan);
    connect(m_channels, &QListWidget::itemChanged, this, &PlanFillDialog::showChoice);
    connect(m_first, &QSpinBox::valueChanged, this, [this](int first) {
        m_count->setMaximum(Row::LastChannel - first + 1);
        showChoice();
    });
    connect(m_count, &QSpinBox::valueChanged, this, &PlanFillDialog::showChoice);
    // One tone for them all: the transmit tone follows the receive tone chosen.
    connect(m_rxTone, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_txTone->setCurrentIndex(index);
        showChoice();
    });
    connect(m_txTone, &QComboBox::currentIndexChanged, this, &PlanFillDialog::showChoice);
    m_count->setRange(1, Row::LastChannel - m_first->value() + 1);
    m_count->setValue(m_count->maximum());
    choosePlan(0);
}

QComboBox* PlanFillDialog::toneList(const QString& objectName)
{
    auto* list = new QComboBox(this);
    list->setObjectName(objectName);
    list->addItem(PlanTexts::text(PlanTexts::Text::AsInThePlan, m_workspace.checkedLanguage));
    list->addItems(m_workspace.tones.entries());
    return list;
}

void PlanFillDialog::choosePlan(int index)
{
    const Language language = m_workspace.checkedLanguage;
    const std::optional<UserPlans::Loaded> loaded =
        PlanLibrary::load(m_plans->itemText(index), m_userFolder, language);
    m_plan = loaded ? loaded->plan : ChannelPlan{};
    m_planUsable = loaded && loaded->ok();
    QString note;
    if (!m_planUsable)
        note = loaded ? loaded->problem : QString();
    else if (m_plan.name == QLatin1String("PMR446"))
        note = PlanTexts::text(PlanTexts::Text::Pmr446Note, language);
    else if (m_plan.name == QLatin1String("FRS"))
        note = PlanTexts::text(PlanTexts::Text::FrsNote, language);
    else
        note = PlanTexts::userPlanNote(m_plan.path, language);
    m_note->setText(note);

    const QSignalBlocker blocker(m_channels);
    m_channels->clear();
    const QChar separator = FrequencyNormaliser::separator();
    const CellWords& words = m_workspace.words;
    for (const PlanChannel& channel : m_plan.channels) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1\t%2\t%3")
                .arg(channel.name, FrequencyNormaliser::toText(channel.rxFrequency, separator),
                     channel.highPower ? words.highWord : words.lowWord),
            m_channels);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        // As many as the grid's channels from the first can take, the plan's first ones.
        item->setCheckState(m_channels->count() <= m_count->value() ? Qt::Checked : Qt::Unchecked);
    }
    showChoice();
}

std::optional<QString> PlanFillDialog::tone(const QComboBox* list) const
{
    const int index = list->currentIndex();
    if (index <= AsInThePlan)
        return std::nullopt;
    // The first tone list entry is the off word: no tone.
    return index == AsInThePlan + 1 ? QString() : list->currentText();
}

PlanFillChoice PlanFillDialog::choice() const
{
    PlanFillChoice choice;
    choice.firstChannel = m_first->value();
    choice.count = m_count->value();
    for (int index = 0; index < m_channels->count(); ++index) {
        if (m_channels->item(index)->checkState() == Qt::Checked)
            choice.planChannels.append(index);
    }
    choice.rxTone = tone(m_rxTone);
    choice.txTone = tone(m_txTone);
    return choice;
}

void PlanFillDialog::showChoice()
{
    const PlanFillChoice chosen = choice();
    const QString band = m_workspace.bands.selectedText();
    // No channel ticked fills nothing (an empty choice would otherwise mean all of them).
    const PlanFill fill = chosen.planChannels.isEmpty()
                              ? PlanFill{}
                              : PlanFilling::prepare(m_plan, chosen, band, m_workspace.words);
    const Language language = m_workspace.checkedLanguage;
    QString summary;
    if (m_planUsable) {
        const int first = fill.filled.isEmpty() ? 0 : fill.filled.first().row;
        const int last = fill.filled.isEmpty() ? 0 : fill.filled.last().row;
        summary = PlanTexts::fillSummary(int(fill.filled.size()), first, last, language);
        const QString leftOut = PlanFilling::leftOutText(m_plan, fill, band, language);
        if (!leftOut.isEmpty())
            summary += u'\n' + leftOut;
    }
    m_summary->setText(summary);
    m_ok->setEnabled(m_planUsable && !fill.filled.isEmpty());
}
