#pragma once

#include <QWidget>

class LanguageTable;
class QComboBox;
class QGroupBox;

// The skin page: the list of the three skins.
class SkinPage : public QWidget
{
    Q_OBJECT

public:
    explicit SkinPage(QWidget* parent = nullptr);

    QGroupBox* group() const { return m_group; }
    QComboBox* skinList() const { return m_skins; }

    void applyCaptions(const LanguageTable& table);

private:
    QGroupBox* m_group;
    QComboBox* m_skins;
};
