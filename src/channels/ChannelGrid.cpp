#include "channels/ChannelGrid.h"

#include "channels/ChannelCellDelegate.h"
#include "channels/ChannelEditor.h"
#include "channels/TypedCharacter.h"
#include "workspace/ChannelColumn.h"
#include "workspace/ChannelTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

ChannelGrid::ChannelGrid(ChannelTable& table, QWidget* parent) : QTableView(parent), m_table(table)
{
    setObjectName(QStringLiteral("channelGrid"));
    setModel(&table);
    setItemDelegate(new ChannelCellDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
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
    setCurrentIndex(index);
    m_editor->gridClick(index.row(), index.column());
}

void ChannelGrid::moveCurrentRow(int step)
{
    const QModelIndex current = currentIndex();
    moveCurrentCellTo(current.sibling(current.row() + step, current.column()));
}

void ChannelGrid::mousePressEvent(QMouseEvent* event)
{
    // A click asks the editor even on the current cell, so a flag cell toggles on every
    // click.
    if (event->button() == Qt::LeftButton)
        moveCurrentCellTo(indexAt(event->position().toPoint()));
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
