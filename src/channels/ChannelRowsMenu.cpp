#include "channels/ChannelRowsMenu.h"

#include "channels/ChannelEditor.h"
#include "channels/ChannelGrid.h"
#include "channels/FillFrequenciesDialog.h"
#include "channels/RowEditTexts.h"
#include "channels/ToneChoiceDialog.h"
#include "workspace/Workspace.h"

#include <QMenu>

ChannelRowsMenu::ChannelRowsMenu(ChannelGrid& grid, ChannelEditor& editor,
                                 const Workspace& workspace, QWidget* dialogParent)
    : QObject(&grid), m_editor(editor), m_workspace(workspace), m_dialogParent(dialogParent)
{
    connect(&grid, &ChannelGrid::rowsMenuRequested, this, &ChannelRowsMenu::show);
}

void ChannelRowsMenu::show(int firstRow, int lastRow, const QPoint& globalPosition)
{
    const std::unique_ptr<QMenu> menu = menuFor(firstRow, lastRow);
    menu->exec(globalPosition);
}

std::unique_ptr<QMenu> ChannelRowsMenu::menuFor(int firstRow, int lastRow)
{
    const Language language = m_workspace.checkedLanguage;
    const CellWords& words = m_workspace.words;
    auto menu = std::make_unique<QMenu>();
    menu->setObjectName(QStringLiteral("channelRowsMenu"));
    menu->setTitle(RowEditTexts::channels(firstRow, lastRow, language));
    const auto caption = [this](int column) {
        return m_workspace.table.text(Row::Captions, column);
    };
    for (int column = Column::Power; column <= Column::OptionC; ++column) {
        QMenu* wordsMenu = menu->addMenu(caption(column));
        const bool power = column == Column::Power;
        for (const QString& word :
             {power ? words.highWord : words.onWord, power ? words.lowWord : words.offWord}) {
            connect(wordsMenu->addAction(word), &QAction::triggered, this,
                    [this, firstRow, lastRow, column, word] {
                        m_editor.setRowsWord(firstRow, lastRow, column, word);
                    });
        }
    }
    menu->addSeparator();
    for (const int column : {int(Column::RxTone), int(Column::TxTone)}) {
        connect(menu->addAction(caption(column) + QStringLiteral("…")), &QAction::triggered, this,
                [this, firstRow, lastRow, column] { chooseTone(firstRow, lastRow, column); });
    }
    menu->addSeparator();
    connect(menu->addAction(RowEditTexts::text(RowEditTexts::Text::FillFrequencies, language)),
            &QAction::triggered, this,
            [this, firstRow, lastRow] { fillFrequencies(firstRow, lastRow); });
    QAction* plan = menu->addAction(RowEditTexts::text(RowEditTexts::Text::FillFromPlan, language));
    plan->setShortcut(QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_F));
    connect(plan, &QAction::triggered, this,
            [this, firstRow] { emit fillFromPlanRequested(firstRow); });
    return menu;
}

void ChannelRowsMenu::chooseTone(int firstRow, int lastRow, int column)
{
    ToneChoiceDialog dialog(m_workspace, firstRow, lastRow, column, m_dialogParent);
    if (dialog.exec() == QDialog::Accepted)
        m_editor.setRowsTone(firstRow, lastRow, column, dialog.tone());
}

void ChannelRowsMenu::fillFrequencies(int firstRow, int lastRow)
{
    FillFrequenciesDialog dialog(m_workspace, firstRow, lastRow, m_dialogParent);
    if (dialog.exec() == QDialog::Accepted)
        m_editor.fillFrequencies(firstRow, lastRow, dialog.startText(), dialog.step());
}
