#pragma once

#include <QObject>

#include <memory>

class ChannelEditor;
class ChannelGrid;
class QMenu;
class QWidget;
class Workspace;

// The grid's context menu on the selected rows: power, the three options and the two
// tones for every programmed row among them, "Fill frequencies…" and "Fill from a plan…".
// Each entry, and each of its two dialogs once accepted, is one call on the channel editor.
class ChannelRowsMenu : public QObject
{
    Q_OBJECT

public:
    ChannelRowsMenu(ChannelGrid& grid, ChannelEditor& editor, const Workspace& workspace,
                    QWidget* dialogParent);

    // The menu for channels firstRow to lastRow, in the interface's words.
    std::unique_ptr<QMenu> menuFor(int firstRow, int lastRow);

    // Ask for a tone, or a start frequency and a step, then set the rows.
    void chooseTone(int firstRow, int lastRow, int column);
    void fillFrequencies(int firstRow, int lastRow);

signals:
    void fillFromPlanRequested(int firstRow);

private:
    void show(int firstRow, int lastRow, const QPoint& globalPosition);

    ChannelEditor& m_editor;
    const Workspace& m_workspace;
    QWidget* m_dialogParent;
};
