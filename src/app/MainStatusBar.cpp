#include "app/MainStatusBar.h"

#include "app/TransferWarning.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"
#include "workspace/Localisation.h"
#include "workspace/ShellTexts.h"

#include <QLabel>

#include <utility>

MainStatusBar::MainStatusBar(const Localisation& localisation, QWidget* parent)
    : QStatusBar(parent), m_localisation(localisation), m_panel(new QLabel(this))
{
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(false);
    m_panel->setObjectName(QStringLiteral("statusPanel"));
    // At least 500 px, and the whole bar for a long report.
    m_panel->setMinimumWidth(500);
    addWidget(m_panel, 1);
    m_reportTimer.setSingleShot(true);
    connect(&m_reportTimer, &QTimer::timeout, this, [this] {
        m_panel->setText(m_localisation.applied().string(LanguageString::StatusLine));
    });
}

TransferWarning* MainStatusBar::transferWarning()
{
    if (!m_transferWarning) {
        // Hidden until there is a failure to show, it takes no room in the bar till then.
        m_transferWarning = new TransferWarning(this);
        m_transferWarning->setLanguage(m_warningLanguage);
        addPermanentWidget(m_transferWarning);
    }
    return m_transferWarning;
}

void MainStatusBar::setWarningLanguage(Language language)
{
    m_warningLanguage = language;
    if (m_transferWarning)
        m_transferWarning->setLanguage(language);
}

void MainStatusBar::report(const QString& text)
{
    m_panel->setText(text);
    m_reportTimer.start(ShellTexts::ReportMs);
}

void MainStatusBar::applyCaptions(const LanguageTable& table)
{
    if (!m_reportTimer.isActive())
        m_panel->setText(table.string(LanguageString::StatusLine));
}

void MainStatusBar::transferEnded(bool wentThrough, bool read, int channels, int portNumber,
                                  Language language)
{
    const QString note = std::exchange(m_transferNote, QString());
    if (!wentThrough)
        return;
    const QString text = read ? ShellTexts::readReport(channels, portNumber, language)
                              : ShellTexts::writtenReport(channels, portNumber, language);
    report(ShellTexts::withNote(text, note));
}
