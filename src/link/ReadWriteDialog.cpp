#include "link/ReadWriteDialog.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"
#include "workspace/WindowPlacement.h"

#include <QCheckBox>
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
      m_backup(new QCheckBox(BuiltInLanguages::defaultCaption(LanguageString::BackUpFirst), this)),
      m_verify(
          new QCheckBox(BuiltInLanguages::defaultCaption(LanguageString::VerifyAfterWriting), this))
{
    setObjectName(QStringLiteral("readWriteDialog"));
    setWindowTitle(QStringLiteral("ReadWrite"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(377, 232);

    m_percent->setObjectName(QStringLiteral("percentLabel"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_percent->setGeometry(20, 20, 337, 24);
    m_progress->setObjectName(QStringLiteral("readWriteProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setGeometry(20, 52, 337, 22);
    m_backup->setObjectName(QStringLiteral("backupCheckBox"));
    m_backup->setGeometry(20, 80, 337, 22);
    m_backup->setChecked(true);
    m_verify->setObjectName(QStringLiteral("verifyCheckBox"));
    m_verify->setGeometry(20, 102, 337, 22);
    m_verify->setChecked(true);
    m_start->setObjectName(QStringLiteral("startButton"));
    m_start->setGeometry(70, 134, 100, 30);
    m_exit->setObjectName(QStringLiteral("exitButton"));
    m_exit->setGeometry(207, 134, 100, 30);
    m_status->setObjectName(QStringLiteral("statusBar"));
    m_status->setSizeGripEnabled(false);
    m_status->setGeometry(0, 232 - 24, 377, 24);
    m_statusPanel->setObjectName(QStringLiteral("statusPanel"));
    // The whole width: a checked write's report runs long.
    m_status->addWidget(m_statusPanel, 1);

    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
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
}

void ReadWriteDialog::showWriteChecks(bool shown)
{
    m_backup->setVisible(shown);
    m_verify->setVisible(shown);
}

void ReadWriteDialog::setStatusText(const QString& text)
{
    m_statusPanel->setText(text.isEmpty() ? m_statusCaption : text);
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
}
