#pragma once

#include "files/FileDialogs.h"

#include <QPointer>
#include <QString>

class QFileDialog;
class QWidget;

// The file dialogs as the toolkit's own (not the desktop's), so they wear the skin and
// keep the rules: the channel-file filter first and the channel list's second, no
// must-exist check when opening, no overwrite question when saving, ".F19" (or ".csv"
// under the channel list's filter) added to a name typed without an extension. The save dialog
// proposes the name last chosen in it; both start in the folder last used.
class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    std::optional<QString> openPath(const QString& startFolder) override;
    std::optional<QString> savePath() override;

private:
    void prepareOpenDialog(QFileDialog& dialog) const;
    void prepareSaveDialog(QFileDialog& dialog) const;
    std::optional<QString> run(QFileDialog& dialog);

    QPointer<QWidget> m_parent;
    QString m_folder;
    QString m_lastSaveName;
};
