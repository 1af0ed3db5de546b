#include "app/LanguagePage.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"

#include <QGroupBox>
#include <QRadioButton>

LanguagePage::LanguagePage(QWidget* parent)
    : QWidget(parent), m_group(new QGroupBox(QStringLiteral("Language"), this)),
      m_chinese(new QRadioButton(BuiltInLanguages::defaultCaption(LanguageString::ChineseButton),
                                 m_group)),
      m_english(new QRadioButton(BuiltInLanguages::defaultCaption(LanguageString::EnglishButton),
                                 m_group))
{
    m_group->setObjectName(QStringLiteral("languageGroup"));
    m_group->setGeometry(16, 12, 300, 110);
    m_chinese->setObjectName(QStringLiteral("chineseButton"));
    m_chinese->setGeometry(20, 32, 200, 24);
    m_english->setObjectName(QStringLiteral("englishButton"));
    m_english->setGeometry(20, 68, 200, 24);
    m_chinese->setChecked(true);
}

void LanguagePage::applyCaptions(const LanguageTable& table)
{
    m_group->setTitle(table.string(LanguageString::LanguageTitle));
    m_chinese->setText(table.string(LanguageString::ChineseButton));
    m_english->setText(table.string(LanguageString::EnglishButton));
}

void LanguagePage::check(Language language)
{
    (language == Language::English ? m_english : m_chinese)->setChecked(true);
}
