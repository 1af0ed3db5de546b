#pragma once

#include "workspace/Language.h"

#include <QWidget>

class LanguageTable;
class QGroupBox;
class QRadioButton;

// The language page: the Chinese and English buttons.
class LanguagePage : public QWidget
{
    Q_OBJECT

public:
    explicit LanguagePage(QWidget* parent = nullptr);

    QGroupBox* group() const { return m_group; }
    QRadioButton* chineseButton() const { return m_chinese; }
    QRadioButton* englishButton() const { return m_english; }

    void applyCaptions(const LanguageTable& table);
    // Checks the language's button, which runs its switch if it was not checked.
    void check(Language language);

private:
    QGroupBox* m_group;
    QRadioButton* m_chinese;
    QRadioButton* m_english;
};
