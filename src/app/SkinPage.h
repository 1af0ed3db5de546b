#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;

// The work page "skin": the list of the three skins.
class SkinPage : public QWidget
{
    Q_OBJECT

public:
    explicit SkinPage(QWidget* parent = nullptr);

    QGroupBox* group() const { return m_group; }
    QComboBox* skinList() const { return m_skins; }

private:
    QGroupBox* m_group;
    QComboBox* m_skins;
};
