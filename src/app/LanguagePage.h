#pragma once

#include <QWidget>

class QGroupBox;
class QRadioButton;

// The work page "language": the Chinese and English buttons.
class LanguagePage : public QWidget
{
    Q_OBJECT

public:
    explicit LanguagePage(QWidget* parent = nullptr);

    QGroupBox* group() const { return m_group; }
    QRadioButton* chineseButton() const { return m_chinese; }
    QRadioButton* englishButton() const { return m_english; }

private:
    QGroupBox* m_group;
    QRadioButton* m_chinese;
    QRadioButton* m_english;
};
