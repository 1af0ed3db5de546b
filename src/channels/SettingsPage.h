#pragma once

#include "workspace/FunctionSettings.h"

#include <QWidget>

#include <array>

class BandList;
class LanguageTable;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

// The function settings page: seven settings in the group "功能选项", the three VOX fields
// in the group "VOX", and the band box in the group "型号". Every box shows the position
// held by FunctionSettings or BandList and hands the user's choice back to it.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    SettingsPage(FunctionSettings& settings, BandList& bands, QWidget* parent = nullptr);

    QComboBox* settingBox(FunctionSettings::Setting setting) const { return m_boxes[setting]; }
    QLabel* settingLabel(FunctionSettings::Setting setting) const { return m_labels[setting]; }
    QCheckBox* voxInhibitBox() const { return m_voxInhibit; }
    QComboBox* bandBox() const { return m_bandBox; }
    QGroupBox* functionGroup() const { return m_functionGroup; }
    QGroupBox* bandGroup() const { return m_bandGroup; }

    void applyCaptions(const LanguageTable& table);

signals:
    // The user chose a setting's entry or clicked VOX inhibit; the settings hold it already.
    void settingChosen();

private:
    void addSettingRow(QGroupBox* group, FunctionSettings::Setting setting, int row,
                       const QString& objectName);
    void showEntries(FunctionSettings::Setting setting);
    void showPosition(FunctionSettings::Setting setting);
    void showBands();

    FunctionSettings& m_settings;
    BandList& m_bands;
    std::array<QComboBox*, FunctionSettings::SettingCount> m_boxes{};
    std::array<QLabel*, FunctionSettings::SettingCount> m_labels{};
    QCheckBox* m_voxInhibit = nullptr;
    QComboBox* m_bandBox = nullptr;
    QGroupBox* m_functionGroup = nullptr;
    QGroupBox* m_bandGroup = nullptr;
};
