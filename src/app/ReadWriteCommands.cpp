#include "app/ReadWriteCommands.h"

#include "app/DialogFleetWrite.h"

#include "backups/BackedUpRead.h"
#include "backups/BackupFolder.h"
#include "backups/SafeWriteRun.h"
#include "backups/SafeWriteText.h"
#include "channels/ChannelEditor.h"
#include "link/Link.h"
#include "link/PortProblemText.h"
#include "link/ReadWriteDialog.h"
#include "link/WriteProblemText.h"
#include "workspace/LanguageStrings.h"
#include "workspace/Localisation.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"
#include "workspace/SettingsFile.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QWidget>

namespace {
// A checked write's stages in the dialog's status line, its bar in the dialog's bar.
class DialogReport : public SafeWriteReport
{
public:
    DialogReport(ReadWriteDialog& dialog, Language language)
        : m_dialog(dialog), m_language(language)
    {
    }

    void stageStarted(SafeWriteStage stage) override
    {
        m_dialog.setStatusText(SafeWriteText::stage(stage, m_language));
    }
    void setProgress(int percent) override { m_dialog.setProgress(percent); }

private:
    ReadWriteDialog& m_dialog;
    Language m_language;
};
} // namespace

ReadWriteCommands::ReadWriteCommands(ReadWriteDialog& dialog, QWidget& mainWindow,
                                     Workspace& workspace, Link& link,
                                     const ComPortDevices& devices, Messenger& messenger,
                                     ChannelEditor& editor, const Localisation& localisation,
                                     SettingsFile& settingsFile, NoteOutcome noteOutcome,
                                     FileInGrid fileInGrid)
    : QObject(&dialog), m_dialog(dialog), m_workspace(workspace), m_link(link), m_devices(devices),
      m_messenger(messenger), m_localisation(localisation), m_noteOutcome(std::move(noteOutcome)),
      m_fileInGrid(std::move(fileInGrid))
{
    const auto enableMainWindow = [&mainWindow, &dialog](bool enabled) {
        mainWindow.setEnabled(enabled);
        // The dialog is a child of the main window, and disabling a widget disables its
        // child windows with it.
        dialog.setEnabled(true);
    };
    m_session = new ReadWriteSession(
        link, messenger, dialog, [this](RadioExchange& exchange) { return read(exchange); },
        [this](RadioExchange& exchange) { return write(exchange); },
        [&editor] { return editor.commitEditedCell(); }, enableMainWindow, this);
    dialog.setSession(m_session);
    connect(m_session, &ReadWriteSession::finished, this, [this] {
        if (m_outcome)
            emit ended(*m_outcome);
    });
    rememberChecks(settingsFile);
}

// Both boxes start checked; the file learns them only once the user changes one.
void ReadWriteCommands::rememberChecks(SettingsFile& settingsFile)
{
    const auto remember = [this, &settingsFile](QCheckBox* box, const QString& key) {
        box->setChecked(settingsFile.readInteger(SettingsSection, key, 1) != 0);
        connect(box, &QCheckBox::clicked, this, [&settingsFile, key](bool checked) {
            settingsFile.writeInteger(SettingsSection, key, checked ? 1 : 0);
        });
    };
    remember(m_dialog.backupCheckBox(), BackupKey);
    remember(m_dialog.verifyCheckBox(), VerifyKey);
}

void ReadWriteCommands::readCommand()
{
    command(ReadWriteSession::Read);
}

void ReadWriteCommands::writeCommand()
{
    command(ReadWriteSession::Write);
}

// The window takes the caption of the menu's Read or Write icon, the start button that of
// the service page's read or write button.
void ReadWriteCommands::command(ReadWriteSession::Procedure procedure)
{
    using namespace LanguageString;
    const bool reading = procedure == ReadWriteSession::Read;
    const LanguageTable& captions = m_localisation.applied();
    m_dialog.showWriteChecks(!reading);
    m_dialog.showRadioRows({});
    m_dialog.setStatusText({});
    m_session->command(procedure, captions.string(reading ? Read : Write),
                       captions.string(reading ? PowerRead : PowerWrite));
}

// A complete read is also kept as a backup, exactly as Save would write it now; a backup
// that cannot be saved costs the read nothing, the status bar just says so.
RadioExchange::Result ReadWriteCommands::read(RadioExchange& exchange)
{
    m_outcome.reset();
    const BackedUpRead read = BackedUpRead::run(m_workspace, exchange, BackupFolder::standard());
    if (const std::optional<BackupFolder::SaveOutcome>& saved = read.backup)
        m_noteOutcome(saved->saved()
                          ? SafeWriteText::backupSaved(QFileInfo(saved->path).fileName(),
                                                       m_workspace.checkedLanguage)
                          : SafeWriteText::backupNotSaved(*saved, m_workspace.checkedLanguage));
    m_outcome = TransferOutcome::ofRead(read.result, read.backup);
    showFailure();
    return read.result;
}

RadioExchange::Result ReadWriteCommands::write(RadioExchange& exchange)
{
    m_outcome.reset();
    const SafeWriteOptions options{m_dialog.backupCheckBox()->isChecked(),
                                   m_dialog.verifyCheckBox()->isChecked()};
    if (m_dialog.everyRadioCheckBox()->isChecked()) {
        DialogFleetWrite fleet(m_dialog, m_workspace, m_link, m_devices, m_messenger);
        const RadioExchange::Result result = fleet.run(options, m_fileInGrid());
        if (result != RadioExchange::Result::Quit)
            m_noteOutcome(fleet.summary());
        return result;
    }
    m_dialog.showRadioRows({});
    DialogReport report(m_dialog, m_workspace.checkedLanguage);
    const SafeWriteOutcome outcome =
        SafeWriteRun(m_workspace, exchange.link(), report, BackupFolder::standard(), options).run();
    // Once the application is closing nothing may be touched: it is going away.
    m_outcome = TransferOutcome::ofWrite(outcome);
    if (m_outcome)
        tellOutcome(outcome);
    return outcome.result();
}

void ReadWriteCommands::tellOutcome(const SafeWriteOutcome& outcome)
{
    using Ending = SafeWriteOutcome::Ending;
    const Language language = m_workspace.checkedLanguage;
    m_dialog.setStatusText({});
    // Behind the box, the dialog already says where the write failed.
    showFailure();
    switch (outcome.ending) {
    case Ending::Refused:
        m_messenger.errorBox(writeProblemText(outcome.problems, language));
        break;
    case Ending::WriteFailed:
        m_messenger.showFromDialog(Message::CommunicationTitle, Message::RadioNotAnswering,
                                   PortProblemText::causeOf(m_link.failure()));
        break;
    case Ending::Verified:
        m_dialog.setStatusText(SafeWriteText::verifiedReport(outcome, language));
        m_noteOutcome(SafeWriteText::verifiedReport(outcome, language));
        // Unused bytes kept otherwise: the box lists them (nothing to show otherwise).
        if (const QString kept = SafeWriteText::outcomeMessage(outcome, language); !kept.isEmpty())
            m_messenger.noticeBox(kept);
        break;
    case Ending::BackupReadFailed:
    case Ending::BackupNotSaved:
    case Ending::Differences:
    case Ending::NotVerified:
        m_messenger.errorBox(SafeWriteText::outcomeMessage(outcome, language));
        break;
    case Ending::Written:
        m_dialog.setStatusText(SafeWriteText::writtenNotVerified(language));
        break;
    case Ending::Quit:
        break;
    }
}

void ReadWriteCommands::showFailure()
{
    if (!m_outcome || !m_outcome->failed())
        return;
    const Language language = m_workspace.checkedLanguage;
    m_dialog.showFailure(SafeWriteText::failedAt(*m_outcome, language),
                         SafeWriteText::outcomeDetail(*m_outcome, language));
}
