#pragma once

#include "plans/ChannelPlan.h"
#include "plans/PlanFill.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;
class Workspace;

// "Fill from a plan": the plan, which of its channels, the first channel of the grid and
// how many, and one receive and transmit tone for them all. What the choice would fill
// and leave out against the selected band is shown as it changes.
class PlanFillDialog : public QDialog
{
    Q_OBJECT

public:
    PlanFillDialog(const Workspace& workspace, const QString& userFolder, int firstChannel,
                   QWidget* parent = nullptr);

    const ChannelPlan& plan() const { return m_plan; }
    PlanFillChoice choice() const;

    QComboBox* planList() const { return m_plans; }
    QListWidget* channelList() const { return m_channels; }
    QSpinBox* firstChannelBox() const { return m_first; }
    QSpinBox* countBox() const { return m_count; }
    QComboBox* rxToneList() const { return m_rxTone; }
    QComboBox* txToneList() const { return m_txTone; }
    QLabel* summary() const { return m_summary; }

private:
    void choosePlan(int index);
    void showChoice();
    QComboBox* toneList(const QString& objectName);
    std::optional<QString> tone(const QComboBox* list) const;

    const Workspace& m_workspace;
    QString m_userFolder;
    ChannelPlan m_plan;
    bool m_planUsable = false;
    QComboBox* m_plans;
    QLabel* m_note;
    QListWidget* m_channels;
    QSpinBox* m_first;
    QSpinBox* m_count;
    QComboBox* m_rxTone;
    QComboBox* m_txTone;
    QLabel* m_summary;
    QPushButton* m_ok = nullptr;
};
