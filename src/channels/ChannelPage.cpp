#include "channels/ChannelPage.h"

#include "channels/ChannelGrid.h"
#include "channels/FrequencyEditor.h"
#include "channels/RowEditTexts.h"
#include "channels/TonePicker.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"

#include <QPushButton>
#include <QShortcut>

ChannelPage::ChannelPage(ChannelTable& table, const ToneList& tones, QWidget* parent)
    : QWidget(parent), m_tones(tones), m_grid(new ChannelGrid(table, this)),
      m_frequencyEditor(new FrequencyEditor(this)),
      m_up(new QPushButton(BuiltInLanguages::defaultCaption(LanguageString::ChannelUp), this)),
      m_down(new QPushButton(BuiltInLanguages::defaultCaption(LanguageString::ChannelDown), this)),
      m_delete(
          new QPushButton(BuiltInLanguages::defaultCaption(LanguageString::DeleteChannel), this)),
      m_plan(new QPushButton(this))
{
    m_grid->move(GridOffset);
    const int buttonsY = m_grid->geometry().bottom() + 16;
    m_up->setObjectName(QStringLiteral("channelUpButton"));
    m_down->setObjectName(QStringLiteral("channelDownButton"));
    m_delete->setObjectName(QStringLiteral("deleteChannelButton"));
    int x = 10;
    for (QPushButton* button : {m_up, m_down, m_delete}) {
        button->setGeometry(x, buttonsY, 110, 30);
        button->setFocusPolicy(Qt::NoFocus);
        x += 126;
    }
    m_plan->setObjectName(QStringLiteral("fillFromPlanButton"));
    m_plan->setGeometry(x, buttonsY, m_grid->geometry().right() - x, 30);
    m_plan->setFocusPolicy(Qt::NoFocus);
    setLanguage(Language::Chinese);
    // From the first selected row, or from channel 1.
    const auto fillFromPlan = [this] {
        emit fillFromPlanRequested(m_grid->hasRowSelection() ? m_grid->selectedRows().first
                                                             : int(Row::FirstChannel));
    };
    connect(m_plan, &QPushButton::clicked, this, fillFromPlan);
    auto* planKey =
        new QShortcut(QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_F), this);
    planKey->setObjectName(QStringLiteral("fillFromPlanShortcut"));
    planKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(planKey, &QShortcut::activated, this, fillFromPlan);
}

void ChannelPage::setLanguage(Language language)
{
    m_plan->setText(RowEditTexts::text(RowEditTexts::Text::FillFromPlan, language));
    m_plan->setToolTip(m_plan->text() + QStringLiteral(" (Ctrl+Shift+F)"));
}

void ChannelPage::setEditor(ChannelEditor* editor)
{
    m_grid->setEditor(editor);
    m_frequencyEditor->setEditor(editor);
    m_editor = editor;
    if (m_tonePicker)
        m_tonePicker->setEditor(editor);
}

TonePicker* ChannelPage::tonePicker()
{
    if (!m_tonePicker) {
        m_tonePicker = new TonePicker(m_tones, this);
        // Where it stood when the page made it with the rest: the page draws its controls
        // in that order, and the picker's rounded corners show what lies under them; the
        // focus moves on from it as it did.
        m_tonePicker->stackUnder(m_up);
        setTabOrder(m_frequencyEditor, m_tonePicker);
        m_tonePicker->setEditor(m_editor);
    }
    return m_tonePicker;
}

void ChannelPage::applyCaptions(const LanguageTable& table)
{
    m_up->setText(table.string(LanguageString::ChannelUp));
    m_down->setText(table.string(LanguageString::ChannelDown));
    m_delete->setText(table.string(LanguageString::DeleteChannel));
    // A language gives the tone list a new off word; a picker made later lists it already.
    if (m_tonePicker)
        m_tonePicker->showOffEntry();
}
