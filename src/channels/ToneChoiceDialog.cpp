#include "channels/ToneChoiceDialog.h"

#include "channels/RowEditTexts.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

ToneChoiceDialog::ToneChoiceDialog(const Workspace& workspace, int firstRow, int lastRow,
                                   int column, QWidget* parent)
    : QDialog(parent), m_tones(new QComboBox(this))
{
    const Language language = workspace.checkedLanguage;
    setObjectName(QStringLiteral("toneChoiceDialog"));
    setWindowTitle(RowEditTexts::text(RowEditTexts::Text::ToneTitle, language));
    m_tones->setObjectName(QStringLiteral("toneList"));
    m_tones->addItems(workspace.tones.entries());
    // The tone of the first selected row, when it is one of the list.
    m_tones->setCurrentIndex(std::max(
        0, int(workspace.tones.entries().indexOf(workspace.table.text(firstRow, column)))));

    auto* explained =
        new QLabel(RowEditTexts::text(RowEditTexts::Text::ToneExplained, language), this);
    explained->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(new QLabel(RowEditTexts::channels(firstRow, lastRow, language), this));
    layout->addRow(workspace.table.text(Row::Captions, column) + QStringLiteral(":"), m_tones);
    layout->addRow(explained);
    layout->addRow(buttons);
}

QString ToneChoiceDialog::tone() const
{
    return m_tones->currentText();
}
