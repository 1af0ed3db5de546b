#include "app/ThemedMessageBoxes.h"

#include "workspace/MessageIds.h"
#include "workspace/MessageTexts.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

ThemedMessageBoxes::ThemedMessageBoxes(const Skins& skins) : m_skins(skins) {}

QWidget* ThemedMessageBoxes::ownerWindow() const
{
    // A box raised from the read/write window belongs to it: that window stays on top and
    // would otherwise hide the box.
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : m_parent.data();
}

bool ThemedMessageBoxes::showMessage(Language language, int theme, int titleId, int messageId,
                                     const QString& cause)
{
    const bool question = Message::isQuestion(messageId);
    QMessageBox box(ownerWindow());
    box.setObjectName(QStringLiteral("messageBox%1").arg(messageId));
    box.setStyleSheet(m_skins.styleSheet(theme));
    box.setWindowTitle(MessageTexts::text(language, titleId));
    box.setText(MessageTexts::text(language, messageId));
    box.setInformativeText(cause);
    box.setIcon(question                                 ? QMessageBox::Question
                : titleId == Message::CommunicationTitle ? QMessageBox::Warning
                                                         : QMessageBox::Information);
    QPushButton* yes = nullptr;
    if (question) {
        yes = box.addButton(MessageTexts::yesButton(language), QMessageBox::YesRole);
        QPushButton* no = box.addButton(MessageTexts::noButton(language), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
    } else {
        box.setDefaultButton(
            box.addButton(MessageTexts::okButton(language), QMessageBox::AcceptRole));
    }
    box.exec();
    return !question || box.clickedButton() == yes;
}

QString ThemedMessageBoxes::withFullStop(const QString& text)
{
    if (text.isEmpty() || QStringView(u".!?。！？").contains(text.back()))
        return text;
    const char16_t last = text.back().unicode();
    const bool chinese = (last >= 0x3000 && last <= 0x9FFF) || (last >= 0xFF00 && last <= 0xFFEF);
    return text + (chinese ? QStringLiteral("。") : QStringLiteral("."));
}

void ThemedMessageBoxes::errorBox(const QString& text)
{
    showSentence(QMessageBox::Critical, QStringLiteral("errorBox"), text);
}

void ThemedMessageBoxes::noticeBox(const QString& text)
{
    showSentence(QMessageBox::Warning, QStringLiteral("noticeBox"), text);
}

void ThemedMessageBoxes::showSentence(QMessageBox::Icon icon, const QString& objectName,
                                      const QString& text)
{
    QMessageBox box(icon, programName(), withFullStop(text), QMessageBox::Ok, ownerWindow());
    box.setObjectName(objectName);
    box.exec();
}

bool ThemedMessageBoxes::showAbout(Language language, int theme)
{
    const QString text =
        inLanguage(language,
                   QStringLiteral("<h3>QV3307 programmer</h3><p>Version %1</p>"
                                  "<p>Reads, edits and writes the channels and function settings "
                                  "of QV3307 two-way radios.</p>"
                                  "<p>This program is free software under the GNU General Public "
                                  "License, version 3 or later (GPL-3.0-or-later). It comes with "
                                  "no warranty.</p>"),
                   QStringLiteral("<h3>QV3307 写频软件</h3><p>版本 %1</p>"
                                  "<p>用于读取、编辑和写入 QV3307 对讲机的信道与功能设置。</p>"
                                  "<p>本软件为自由软件，按 GNU 通用公共许可证第 3 版或更高版本"
                                  "（GPL-3.0-or-later）发布，不提供任何担保。</p>"))
            .arg(QCoreApplication::applicationVersion());
    QMessageBox box(ownerWindow());
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setStyleSheet(m_skins.styleSheet(theme));
    box.setWindowTitle(inLanguage(language, "About", "关于"));
    box.setTextFormat(Qt::RichText);
    box.setText(text);
    box.setIconPixmap(QIcon(QStringLiteral(":/icons/qv3307.svg")).pixmap(64, 64));
    box.addButton(MessageTexts::okButton(language), QMessageBox::AcceptRole);
    box.exec();
    return true;
}
