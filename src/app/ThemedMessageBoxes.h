#pragma once

#include "app/Skins.h"
#include "workspace/MessageLibrary.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

// The message library as dialogs: each box in the language and skin it is given, with
// Yes and No for the two questions and OK for everything else.
class ThemedMessageBoxes : public MessageLibrary
{
public:
    explicit ThemedMessageBoxes(const Skins& skins);

    // Boxes are centred over this window, or over the active window when there is one.
    void setParentWindow(QWidget* window) { m_parent = window; }

    bool showMessage(Language language, int theme, int titleId, int messageId,
                     const QString& cause) override;
    void errorBox(const QString& text) override;
    void noticeBox(const QString& text) override;
    bool showAbout(Language language, int theme) override;

    static QString programName() { return QStringLiteral("QV3307"); }
    // A box's text ended as a sentence: a full stop (a Chinese one after Chinese) unless
    // the text already ends in one, or in a question or exclamation mark.
    static QString withFullStop(const QString& text);

private:
    QWidget* ownerWindow() const;
    // The program's own boxes: the text as one sentence, under the program's name, with OK.
    void showSentence(QMessageBox::Icon icon, const QString& objectName, const QString& text);

    const Skins& m_skins;
    QPointer<QWidget> m_parent;
};
