#include "channels/ChannelGrid.h"

#include "channels/ChannelCellDelegate.h"
#include "channels/ChannelEditor.h"
#include "channels/TypedCharacter.h"
#include "workspace/ChannelColumn.h"
#include "workspace/ChannelTable.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

ChannelGrid::ChannelGrid(ChannelTable& table, QWidget* parent) : QTableView(parent), m_table(table)
{
    setObjectName(QStringLiteral("channelGrid"));
    // The header row and column are the table's own. The view's headers go before the
    // table comes, so that they never measure its captions for a size they will not show.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setModel(&table);
    setItemDelegate(new ChannelCellDelegate(this));
    for (int column = 0; column < Column::Count; ++column)
        setColumnWidth(column, ColumnWidths[column]);
    for (int row = 0; row < Row::Count; ++row)
        setRowHeight(row, RowHeight);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The wheel moves the current cell; it does not take the focus.
    setFocusPolicy(Qt::StrongFocus);
    // Ctrl+Tab belongs to the page control, and Tab moves the focus on.
    setTabKeyNavigation(false);
    setWordWrap(false);
    QPalette grey = palette();
    grey.setColor(QPalette::Base, QColor(200, 200, 200));
    setPalette(grey);
    resize(fullSize());
    // The grid starts on the first data cell, as a grid with a fixed row and column does.
    setCurrentIndex(table.index(Row::FirstChannel, Column::FirstField));
}

QRect ChannelGrid::cellRect(int row, int column) const
{
    return visualRect(model()->index(row, column)).translated(viewport()->pos());
}

QSize ChannelGrid::fullSize() const
{
    int width = 2 * frameWidth();
    for (int column = 0; column < Column::Count; ++column)
        width += columnWidth(column);
    return {width, 2 * frameWidth() + Row::Count * RowHeight};
}

std::optional<QAbstractItemView::CursorAction> ChannelGrid::cursorAction(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return MoveUp;
    case Qt::Key_Down:
        return MoveDown;
    case Qt::Key_Left:
        return MoveLeft;
    case Qt::Key_Right:
        return MoveRight;
    case Qt::Key_Home:
        return MoveHome;
    case Qt::Key_End:
        return MoveEnd;
    case Qt::Key_PageUp:
        return MovePageUp;
    case Qt::Key_PageDown:
        return MovePageDown;
    default:
        return std::nullopt;
    }
}

bool ChannelGrid::isDataCell(const QModelIndex& index)
{
    return index.isValid() && Row::isChannel(index.row()) && index.column() >= Column::FirstField;
}

void ChannelGrid::moveCurrentCellTo(const QModelIndex& index)
{
    if (!m_editor || !isDataCell(index) || !m_editor->gridMayMoveCell())
        return;
    m_anchorRow = 0;
    m_endRow = 0;
    setCurrentIndex(index);
    m_editor->gridClick(index.row(), index.column());
}

void ChannelGrid::moveCurrentRow(int step)
{
    const QModelIndex current = currentIndex();
    moveCurrentCellTo(current.sibling(current.row() + step, current.column()));
}

ChannelGrid::Rows ChannelGrid::selectedRows() const
{
    if (m_anchorRow == 0)
        return {currentIndex().row(), currentIndex().row()};
    return {std::min(m_anchorRow, m_endRow), std::max(m_anchorRow, m_endRow)};
}

void ChannelGrid::selectRows(int anchorRow, int endRow)
{
    m_anchorRow = std::clamp(anchorRow, int(Row::FirstChannel), int(Row::LastChannel));
    m_endRow = std::clamp(endRow, int(Row::FirstChannel), int(Row::LastChannel));
    const Rows rows = selectedRows();
    selectionModel()->select(QItemSelection(m_table.index(rows.first, Column::FirstField),
                                            m_table.index(rows.last, Column::LastField)),
                             QItemSelectionModel::ClearAndSelect);
}

void ChannelGrid::clickChannelNumber(int row, Qt::KeyboardModifiers modifiers)
{
    if (!m_editor || !Row::isChannel(row) || !m_editor->gridMayMoveCell())
        return;
    m_editor->closeCellEditors();
    const bool extend = modifiers & Qt::ShiftModifier;
    const int anchor = extend ? (m_anchorRow ? m_anchorRow : currentIndex().row()) : row;
    selectRows(anchor, row);
}

// Shift+Up and Shift+Down move the end of the row selection; the current cell stays.
void ChannelGrid::extendSelection(int step)
{
    if (!m_editor || !m_editor->gridMayMoveCell())
        return;
    m_editor->closeCellEditors();
    const int anchor = m_anchorRow ? m_anchorRow : currentIndex().row();
    const int end = m_anchorRow ? m_endRow : anchor;
    selectRows(anchor, end + step);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == Column::ChannelLabel) {
        clickChannelNumber(index.row(), event->modifiers());
        return;
    }
    if (clickInSelection(index))
        return;
    // A click asks the editor even on the current cell, so a flag cell toggles on every
    // click.
    moveCurrentCellTo(index);
}

bool ChannelGrid::isInSeveralSelectedRows(const QModelIndex& index) const
{
    const Rows rows = selectedRows();
    return m_anchorRow != 0 && rows.first != rows.last && index.isValid() &&
           index.row() >= rows.first && index.row() <= rows.last;
}

// A power, option or tone cell clicked inside a selection of several rows sets every
// selected channel, and the selection stays for the next such click.
bool ChannelGrid::clickInSelection(const QModelIndex& index)
{
    const int column = index.column();
    if (!m_editor || !isInSeveralSelectedRows(index) ||
        !(Column::isFlag(column) || Column::isTone(column)))
        return false;
    if (!m_editor->gridMayMoveCell())
        return true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    const Rows rows = selectedRows();
    m_editor->selectionClick(rows.first, rows.last, index.row(), column);
    return true;
}

void ChannelGrid::contextMenuEvent(QContextMenuEvent* event)
{
    Rows rows = selectedRows();
    QPoint position = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(event->pos());
        if (!index.isValid() || !Row::isChannel(index.row()))
            return;
        if (!isInSeveralSelectedRows(index))
            rows = {index.row(), index.row()};
    } else {
        position = viewport()->mapToGlobal(visualRect(currentIndex()).center());
    }
    if (!Row::isChannel(rows.first))
        return;
    emit rowsMenuRequested(rows.first, rows.last, position);
}

bool ChannelGrid::clipboardKey(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        const Rows rows = selectedRows();
        emit copyRequested(rows.first, rows.last);
    } else if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested(selectedRows().first);
    } else if (event->matches(QKeySequence::SelectAll)) {
        if (m_editor && m_editor->gridMayMoveCell()) {
            m_editor->closeCellEditors();
            selectRows(Row::FirstChannel, Row::LastChannel);
        }
    } else if (event->matches(QKeySequence::SelectNextLine)) {
        extendSelection(1);
    } else if (event->matches(QKeySequence::SelectPreviousLine)) {
        extendSelection(-1);
    } else {
        return false;
    }
    return true;
}

// The skins draw a selected row's edges outside its cells, where repainting only the cells
// that changed would leave the old rows' edges standing.
void ChannelGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTableView::selectionChanged(selected, deselected);
    viewport()->update();
}

// Dragging selects no range, and the second press of a double click is no click of its own.
void ChannelGrid::mouseMoveEvent(QMouseEvent*) {}
void ChannelGrid::mouseReleaseEvent(QMouseEvent*) {}
void ChannelGrid::mouseDoubleClickEvent(QMouseEvent*) {}

void ChannelGrid::keyPressEvent(QKeyEvent* event)
{
    if (!m_editor) {
        event->ignore();
        return;
    }
    if (clipboardKey(event))
        return;
    m_editor->gridKeyDown(Qt::Key(event->key()));
    if (const auto action = cursorAction(event->key())) {
        const QModelIndex target = moveCursor(*action, event->modifiers());
        if (target != currentIndex())
            moveCurrentCellTo(target);
        return;
    }
    // Characters the grid does not take go on to the window, where letters can act as
    // shortcuts, and so do keys such as Ctrl+Tab for the page control.
    const QChar character = typedCharacter(*event);
    if (character.isNull() || !m_editor->gridCharacterKey(character))
        event->ignore();
}

void ChannelGrid::wheelEvent(QWheelEvent* event)
{
    if (!m_editor)
        return;
    // The grid does not scroll: each notch moves the current row by one, up or down.
    m_wheelTurn += event->angleDelta().y();
    while (m_wheelTurn >= WheelNotch || m_wheelTurn <= -WheelNotch) {
        const int step = m_wheelTurn > 0 ? -1 : 1;
        m_wheelTurn += step * WheelNotch;
        m_editor->gridWheel();
        moveCurrentRow(step);
    }
}

void ChannelGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    if (m_editor)
        m_editor->gridFocusIn();
}
