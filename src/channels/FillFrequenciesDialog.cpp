#include "channels/FillFrequenciesDialog.h"

#include "channels/ChannelEditor.h"
#include "channels/RowEditTexts.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

FillFrequenciesDialog::FillFrequenciesDialog(const Workspace& workspace, int firstRow, int lastRow,
                                             QWidget* parent)
    : QDialog(parent), m_start(new QLineEdit(this)), m_steps(new QComboBox(this))
{
    const Language language = workspace.checkedLanguage;
    using RowEditTexts::Text;
    setObjectName(QStringLiteral("fillFrequenciesDialog"));
    setWindowTitle(RowEditTexts::text(Text::FillFrequenciesTitle, language));

    m_start->setObjectName(QStringLiteral("startFrequency"));
    // Digits and one separator, as the frequency editor takes them.
    m_start->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}([.,][0-9]{0,5})?")), m_start));
    m_start->setText(workspace.table.text(firstRow, Column::RxFrequency));
    m_steps->setObjectName(QStringLiteral("stepList"));
    for (const qint64 step : ChannelEditor::FillSteps)
        m_steps->addItem(RowEditTexts::step(step), step);
    m_steps->setCurrentIndex(2); // 12.5 kHz, the channel spacing of narrow-band plans

    auto* explained = new QLabel(RowEditTexts::text(Text::FillExplained, language), this);
    explained->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(new QLabel(RowEditTexts::channels(firstRow, lastRow, language), this));
    layout->addRow(RowEditTexts::text(Text::StartFrequency, language), m_start);
    layout->addRow(RowEditTexts::text(Text::Step, language), m_steps);
    layout->addRow(explained);
    layout->addRow(buttons);
    setMinimumWidth(360);
}

QString FillFrequenciesDialog::startText() const
{
    return m_start->text();
}

qint64 FillFrequenciesDialog::step() const
{
    return m_steps->currentData().toLongLong();
}
