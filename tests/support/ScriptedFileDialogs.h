#pragma once

#include "files/FileDialogs.h"

#include <functional>
#include <optional>

// Answers the open and save dialogs from a script (a path, or nothing for cancel), and
// can look at the program while a dialog is up.
class ScriptedFileDialogs : public FileDialogs
{
public:
    std::optional<QString> openAnswer;
    std::optional<QString> saveAnswer;
    // Runs while a dialog is "up".
    std::function<void()> onDialog;
    // How many dialogs have come up.
    int shown = 0;

    // Both dialogs answer `path`.
    void answerBoth(const std::optional<QString>& path)
    {
        openAnswer = path;
        saveAnswer = path;
    }

    // The folder the last open dialog was asked to start in.
    QString openStartFolder;

    std::optional<QString> openPath(const QString& startFolder) override
    {
        openStartFolder = startFolder;
        return answer(openAnswer);
    }
    std::optional<QString> savePath() override { return answer(saveAnswer); }

private:
    std::optional<QString> answer(const std::optional<QString>& scripted)
    {
        ++shown;
        if (onDialog)
            onDialog();
        return scripted;
    }
};
