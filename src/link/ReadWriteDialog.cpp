#include "link/ReadWriteDialog.h"

#include "link/RadioProgressRows.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"
#include "workspace/WindowPlacement.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

ReadWriteDialog::ReadWriteDialog(QWidget* parent)
    : QDialog(parent), m_percent(new QLabel(QStringLiteral("0%"), this)),
      m_progress(new QProgressBar(this)), m_start(new QPushButton(this)),
      m_exit(
          new QPushButton(BuiltInLanguages::defaultCaption(LanguageString::ReadWriteExit), this)),
      m_status(new QStatusBar(this)), m_statusPanel(new QLabel(m_status)),
      m_outcomeIcon(new QLabel(this)), m_outcome(new QLabel(this)),
      m_backup(new QCheckBox(BuiltInLanguages::defaultCaption(LanguageString::BackUpFirst), this)),
      m_verify(new QCheckBox(BuiltInLanguages::defaultCaption(LanguageString::VerifyAfterWriting),
                             this)),
      m_everyRadio(
          new QCheckBox(BuiltInLanguages::defaultCaption(LanguageString::WriteToEveryRadio), this)),
      m_radioRows(new RadioProgressRows(this))
{
    setObjectName(QStringLiteral("readWriteDialog"));
    setWindowTitle(QStringLiteral("ReadWrite"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_percent->setObjectName(QStringLiteral("percentLabel"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_progress->setObjectName(QStringLiteral("readWriteProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_backup->setObjectName(QStringLiteral("backupCheckBox"));
    m_backup->setGeometry(20, 80, 337, 22);
    m_backup->setChecked(true);
    m_verify->setObjectName(QStringLiteral("verifyCheckBox"));
    m_verify->setGeometry(20, 102, 337, 22);
    m_verify->setChecked(true);
    m_everyRadio->setObjectName(QStringLiteral("everyRadioCheckBox"));
    m_everyRadio->setGeometry(20, 124, 337, 22);
    m_everyRadio->setChecked(false);
    m_start->setObjectName(QStringLiteral("startButton"));
    m_exit->setObjectName(QStringLiteral("exitButton"));
    // Three lines under the buttons: a failure's words name the file or the cause.
    m_outcomeIcon->setObjectName(QStringLiteral("outcomeIcon"));
    m_outcomeIcon->setPixmap(QIcon(QStringLiteral(":/icons/warning.svg")).pixmap(16, 16));
    m_outcomeIcon->hide();
    m_outcome->setObjectName(QStringLiteral("outcomeLabel"));
    m_outcome->setWordWrap(true);
    m_outcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_outcome->hide();
    m_status->setObjectName(QStringLiteral("statusBar"));
    m_status->setSizeGripEnabled(false);
    m_statusPanel->setObjectName(QStringLiteral("statusPanel"));
    // The whole width: a checked write's report, or a fleet's count, runs long.
    m_status->addWidget(m_statusPanel, 1);
    layOut();

    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

void ReadWriteDialog::layOut()
{
    // Wider while it shows a row per radio, so that each radio's result can be read.
    const int width = m_radioRows->count() > 0 ? 540 : 377;
    constexpr int RowsTop = 150;
    const int rowsHeight = m_radioRows->count() * RadioProgressRows::RowHeight;
    m_percent->setGeometry(20, 20, width - 40, 24);
    m_progress->setGeometry(20, 52, width - 40, 22);
    m_radioRows->setGeometry(20, RowsTop, width - 40, rowsHeight);
    const int buttonsTop = RowsTop + 6 + rowsHeight;
    const int centre = width / 2;
    m_start->setGeometry(centre - 118, buttonsTop, 100, 30);
    m_exit->setGeometry(centre + 19, buttonsTop, 100, 30);
    const int outcomeTop = buttonsTop + 38;
    m_outcomeIcon->setGeometry(20, outcomeTop, 16, 16);
    m_outcome->setGeometry(42, outcomeTop, width - 62, 56);
    const int height = outcomeTop + 56 + 4 + 24;
    m_status->setGeometry(0, height - 24, width, 24);
    setFixedSize(width, height);
}

void ReadWriteDialog::showRadioRows(const QStringList& names)
{
    // The rows are laid out across the width they will have.
    m_radioRows->resize(names.isEmpty() ? 337 : 500, m_radioRows->height());
    m_radioRows->setRadios(names);
    layOut();
}

void ReadWriteDialog::setSession(ReadWriteSession* session)
{
    if (m_session)
        disconnect(m_start, nullptr, m_session, nullptr);
    m_session = session;
    if (session)
        connect(m_start, &QPushButton::clicked, session, &ReadWriteSession::start);
}

void ReadWriteDialog::setProgress(int percent)
{
    m_outcomeIcon->hide();
    m_outcome->hide();
    m_progress->setValue(percent);
    m_percent->setText(QString::number(m_progress->value()) + QLatin1Char('%'));
}

void ReadWriteDialog::setCaptions(const QString& caption, const QString& startCaption)
{
    setWindowTitle(caption);
    m_start->setText(startCaption);
}

void ReadWriteDialog::showDialog()
{
    show();
    raise();
    activateWindow();
}

void ReadWriteDialog::setStartEnabled(bool enabled)
{
    m_start->setEnabled(enabled);
    // A run's checks stay as they were when it started.
    m_backup->setEnabled(enabled);
    m_verify->setEnabled(enabled);
    m_everyRadio->setEnabled(enabled);
}

void ReadWriteDialog::showWriteChecks(bool shown)
{
    m_backup->setVisible(shown);
    m_verify->setVisible(shown);
    m_everyRadio->setVisible(shown);
    if (!shown)
        showRadioRows({});
}

void ReadWriteDialog::setStatusText(const QString& text)
{
    m_statusPanel->setText(text.isEmpty() ? m_statusCaption : text);
}

void ReadWriteDialog::showFailure(const QString& stage, const QString& detail)
{
    m_percent->setText(stage);
    m_outcome->setText(detail);
    m_outcome->setToolTip(detail);
    m_outcomeIcon->show();
    m_outcome->show();
}

void ReadWriteDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen rather than over the main window.
    centreOnScreen(*this);
    m_start->setFocus(Qt::OtherFocusReason);
}

void ReadWriteDialog::reject()
{
    if (m_session && !m_session->canClose())
        return;
    QDialog::reject();
    if (m_session)
        m_session->closed();
}

void ReadWriteDialog::applyCaptions(const LanguageTable& table)
{
    m_exit->setText(table.string(LanguageString::ReadWriteExit));
    m_start->setText(table.string(LanguageString::ReadWriteStart));
    m_statusCaption = table.string(LanguageString::StatusLine);
    m_statusPanel->setText(m_statusCaption);
    m_backup->setText(table.string(LanguageString::BackUpFirst));
    m_verify->setText(table.string(LanguageString::VerifyAfterWriting));
    m_everyRadio->setText(table.string(LanguageString::WriteToEveryRadio));
}
