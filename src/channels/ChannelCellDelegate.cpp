#include "channels/ChannelCellDelegate.h"

#include "workspace/ChannelColumn.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

void ChannelCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    if (index.row() == Row::Captions || index.column() == Column::ChannelLabel)
        paintFixedCell(painter, option, index);
    else
        paintDataCell(painter, option, index);
}

void ChannelCellDelegate::paintFixedCell(QPainter* painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    QStyleOptionHeader header;
    header.rect = option.rect;
    header.palette = option.palette;
    header.fontMetrics = option.fontMetrics;
    header.state = QStyle::State_Enabled | QStyle::State_Raised;
    header.orientation = index.row() == Row::Captions ? Qt::Horizontal : Qt::Vertical;
    header.text = index.data().toString();
    header.textAlignment = Qt::AlignCenter;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_Header, &header, painter, option.widget);
}

void ChannelCellDelegate::paintDataCell(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorRole fill = selected ? QPalette::Highlight : QPalette::Base;
    const QPalette::ColorRole ink = selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, option.palette.brush(fill));
    painter->setPen(option.palette.color(ink));
    painter->setFont(option.font);
    painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, index.data().toString());
    painter->restore();
}
