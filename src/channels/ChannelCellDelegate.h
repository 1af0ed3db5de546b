#pragma once

#include <QStyledItemDelegate>

// Draws the grid's cells: the caption row and label column as fixed cells in the skin's
// header look, and every data cell as a filled rectangle with its text once, on one line,
// centred both ways and cut at the cell's edges.
class ChannelCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void paintFixedCell(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const;
    void paintDataCell(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const;
};
