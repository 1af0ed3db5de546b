#include "link/ReadWriteDialog.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"
#include "workspace/WindowPlacement.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

ReadWriteDialog::ReadWriteDialog(QWidget* parent)
    : QDialog(parent), m_percent(new QLabel(QStringLiteral("0%"), this)),
      m_progress(new QProgressBar(this)), m_start(new QPushButton(this)),
      m_exit(
          new QPushButton(BuiltInLanguages::defaultCaption(LanguageString::ReadWriteExit), this)),
      m_status(new QStatusBar(this)), m_statusPanel(new QLabel(m_status))
{
    setObjectName(QStringLiteral("readWriteDialog"));
    setWindowTitle(QStringLiteral("ReadWrite"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(377, 192);

    m_percent->setObjectName(QStringLiteral("percentLabel"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_percent->setGeometry(20, 20, 337, 24);
    m_progress->setObjectName(QStringLiteral("readWriteProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setGeometry(20, 52, 337, 22);
    m_start->setObjectName(QStringLiteral("startButton"));
    m_start->setGeometry(70, 100, 100, 30);
    m_exit->setObjectName(QStringLiteral("exitButton"));
    m_exit->setGeometry(207, 100, 100, 30);
    m_status->setObjectName(QStringLiteral("statusBar"));
    m_status->setSizeGripEnabled(false);
    m_status->setGeometry(0, 192 - 24, 377, 24);
    m_statusPanel->setObjectName(QStringLiteral("statusPanel"));
    m_status->addWidget(m_statusPanel);

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
    m_statusPanel->setText(table.string(LanguageString::StatusLine));
}
