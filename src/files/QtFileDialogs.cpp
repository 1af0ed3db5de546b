#include "files/QtFileDialogs.h"

#include "files/ChannelListFile.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>

namespace {

void prepareCommon(QFileDialog& dialog, const QString& folder)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({FileDialogs::Filter, FileDialogs::ChannelListFilter});
    // QFileDialog tidies the two spaces of the filter's name into one; the user is shown
    // the name as written. Filtering goes by position, not by this text.
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (types && types->count() == 2)
        types->setItemText(0, FileDialogs::Filter);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
}

} // namespace

void QtFileDialogs::prepareOpenDialog(QFileDialog& dialog) const
{
    prepareCommon(dialog, m_folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name is accepted; one that does not exist fails when it is read.
    dialog.setFileMode(QFileDialog::AnyFile);
}

void QtFileDialogs::prepareSaveDialog(QFileDialog& dialog) const
{
    prepareCommon(dialog, m_folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!m_lastSaveName.isEmpty())
        dialog.selectFile(m_lastSaveName);
}

std::optional<QString> QtFileDialogs::openPath(const QString& startFolder)
{
    QFileDialog dialog(m_parent);
    prepareOpenDialog(dialog);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    return run(dialog);
}

std::optional<QString> QtFileDialogs::savePath()
{
    QFileDialog dialog(m_parent);
    prepareSaveDialog(dialog);
    const std::optional<QString> path = run(dialog);
    if (!path)
        return std::nullopt;
    const bool channelList = dialog.selectedNameFilter() == FileDialogs::ChannelListFilter;
    const QString chosen =
        withDefaultExtension(*path, channelList ? ChannelListFile::Extension : Extension);
    m_lastSaveName = QFileInfo(chosen).fileName();
    return chosen;
}

std::optional<QString> QtFileDialogs::run(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(path).absolutePath();
    return path;
}
