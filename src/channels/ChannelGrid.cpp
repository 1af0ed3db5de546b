#include "channels/ChannelGrid.h"

#include "channels/ChannelCellDelegate.h"
#include "channels/ChannelColumn.h"
#include "channels/ChannelTable.h"

#include <QHeaderView>

ChannelGrid::ChannelGrid(ChannelTable& table, QWidget* parent) : QTableView(parent), m_table(table)
{
    setObjectName(QStringLiteral("TeStringGrid1"));
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
    // Ctrl+Tab belongs to the page control, and Tab moves the focus on.
    setTabKeyNavigation(false);
    setWordWrap(false);
    QPalette grey = palette();
    grey.setColor(QPalette::Base, QColor(200, 200, 200));
    setPalette(grey);
    resize(fullSize());
}

QRect ChannelGrid::cellRect(int column, int row) const
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
