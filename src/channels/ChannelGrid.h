#pragma once

#include "channels/ChannelEditor.h"

#include <QPointer>
#include <QTableView>

#include <optional>

class ChannelTable;

// The channel grid: 17 rows of 21 pixels, nine columns of fixed widths, one fixed caption
// row and one fixed label column, on a grey background. It shows the table and moves its
// current cell; what clicks, keys and the wheel do to the data the editor decides.
//
// Every move of the current cell, by mouse, key or wheel, first asks the editor (which
// commits the cell being edited and may refuse), then moves, then reports it as a click.
class ChannelGrid : public QTableView
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 21;
    static constexpr int ColumnWidths[] = {40, 72, 77, 72, 78, 65, 65, 68, 59};
    // One notch of an ordinary mouse wheel.
    static constexpr int WheelNotch = 120;

    explicit ChannelGrid(ChannelTable& table, QWidget* parent = nullptr);

    ChannelTable& table() const { return m_table; }
    void setEditor(ChannelEditor* editor) { m_editor = editor; }

    // The rectangle of cell (column, row) in the grid's own coordinates.
    QRect cellRect(int row, int column) const;
    // Size that shows every cell without scroll bars.
    QSize fullSize() const;

    // The rows chosen by clicking channel numbers (Shift extends, as do Shift+Up and
    // Shift+Down, and Ctrl+A takes all 16); without such a choice, the current row.
    struct Rows
    {
        int first = 0;
        int last = 0;
    };
    Rows selectedRows() const;
    bool hasRowSelection() const { return m_anchorRow != 0; }
    void selectRows(int anchorRow, int endRow);

signals:
    // Ctrl+C and Ctrl+V; the window moves the text to and from the clipboard.
    void copyRequested(int firstRow, int lastRow);
    void pasteRequested(int firstRow);
    // The context menu on the selected rows (or on the row clicked outside them), by the
    // right button or the menu key; `globalPosition` is where it opens.
    void rowsMenuRequested(int firstRow, int lastRow, const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static bool isDataCell(const QModelIndex& index);
    // The grid's move for a navigation key; nothing for other keys.
    static std::optional<CursorAction> cursorAction(int key);
    void moveCurrentCellTo(const QModelIndex& index);
    void moveCurrentRow(int step);
    void clickChannelNumber(int row, Qt::KeyboardModifiers modifiers);
    bool isInSeveralSelectedRows(const QModelIndex& index) const;
    bool clickInSelection(const QModelIndex& index);
    bool clipboardKey(QKeyEvent* event);
    void extendSelection(int step);

    ChannelTable& m_table;
    QPointer<ChannelEditor> m_editor;
    int m_wheelTurn = 0;
    // The row selection, from the row clicked first to the row it extends to; 0 for none.
    int m_anchorRow = 0;
    int m_endRow = 0;
};
