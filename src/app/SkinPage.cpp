#include "app/SkinPage.h"

#include "app/Skins.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"

#include <QComboBox>
#include <QGroupBox>

SkinPage::SkinPage(QWidget* parent)
    : QWidget(parent), m_group(new QGroupBox(QStringLiteral("Skin Chang"), this)),
      m_skins(new QComboBox(m_group))
{
    m_group->setObjectName(QStringLiteral("skinGroup"));
    m_group->setGeometry(16, 12, 300, 80);
    m_skins->setObjectName(QStringLiteral("skinList"));
    m_skins->setGeometry(20, 34, 220, 26);
    m_skins->addItems(Skins::names());
}

void SkinPage::applyCaptions(const LanguageTable& table)
{
    m_group->setTitle(table.string(LanguageString::SkinTitle));
}
