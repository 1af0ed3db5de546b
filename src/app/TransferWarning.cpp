#include "app/TransferWarning.h"

#include "backups/SafeWriteText.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

TransferWarning::TransferWarning(QWidget* parent)
    : QWidget(parent), m_icon(new QLabel(this)), m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("transferWarning"));
    m_icon->setObjectName(QStringLiteral("transferWarningIcon"));
    m_text->setObjectName(QStringLiteral("transferWarningText"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(m_icon);
    layout->addWidget(m_text);
    hide();
}

void TransferWarning::setOutcome(const TransferOutcome& outcome, Language language)
{
    m_language = language;
    if (outcome.failed())
        m_outcome = outcome;
    else
        m_outcome.reset();
    showOutcome();
}

void TransferWarning::setLanguage(Language language)
{
    m_language = language;
    showOutcome();
}

void TransferWarning::showOutcome()
{
    if (!m_outcome) {
        hide();
        return;
    }
    // The sign is drawn when there is first a failure to show: most sessions have none, and
    // drawing an SVG picture loads the SVG library.
    if (m_icon->pixmap().isNull())
        m_icon->setPixmap(QIcon(QStringLiteral(":/icons/warning.svg")).pixmap(16, 16));
    m_text->setText(SafeWriteText::outcomeWarning(*m_outcome, m_language));
    setToolTip(SafeWriteText::failedAt(*m_outcome, m_language) + QLatin1Char('\n') +
               SafeWriteText::outcomeDetail(*m_outcome, m_language));
    show();
}
