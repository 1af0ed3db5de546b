#pragma once

#include <QTableView>

class ChannelTable;

// The channel grid: 17 rows of 21 pixels, nine columns of fixed widths, one fixed caption
// row and one fixed label column, on a grey background. It only shows the table; the
// editor decides what clicks and keys do.
class ChannelGrid : public QTableView
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 21;
    static constexpr int ColumnWidths[] = {40, 72, 77, 72, 78, 65, 65, 68, 59};

    explicit ChannelGrid(ChannelTable& table, QWidget* parent = nullptr);

    ChannelTable& table() const { return m_table; }

    // The rectangle of cell (column, row) in the grid's own coordinates.
    QRect cellRect(int column, int row) const;
    // Size that shows every cell without scroll bars.
    QSize fullSize() const;

private:
    ChannelTable& m_table;
};
