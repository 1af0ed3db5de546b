#include "app/ThemedMessageBoxes.h"

#include "app/MessageIds.h"
#include "app/MessageTexts.h"

#include <QMessageBox>
#include <QPushButton>

ThemedMessageBoxes::ThemedMessageBoxes(const Skins& skins) : m_skins(skins) {}

bool ThemedMessageBoxes::Fmessage(const QString& language, int theme, int titleId, int messageId)
{
    const bool question = Message::isQuestion(messageId);
    QMessageBox box(m_parent);
    box.setObjectName(QStringLiteral("Fmessage%1").arg(messageId));
    box.setStyleSheet(m_skins.styleSheet(theme));
    box.setWindowTitle(MessageTexts::text(language, titleId));
    box.setText(MessageTexts::text(language, messageId));
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

void ThemedMessageBoxes::errorBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, programName(), text + QLatin1Char('.'), QMessageBox::Ok,
                    m_parent);
    box.setObjectName(QStringLiteral("errorBox"));
    box.exec();
}
