#include "workspace/ChannelTable.h"

ChannelTable::ChannelTable(QObject* parent) : QAbstractTableModel(parent)
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        m_cells[row][Column::ChannelLabel] = channelLabel(row);
}

QString ChannelTable::channelLabel(int row)
{
    return QStringLiteral("    %1").arg(row, 2, 10, QLatin1Char('0'));
}

bool ChannelTable::isValidCell(int row, int column) const
{
    return column >= 0 && column < Column::Count && row >= 0 && row < Row::Count;
}

QString ChannelTable::text(int row, int column) const
{
    return isValidCell(row, column) ? m_cells[row][column] : QString();
}

void ChannelTable::setText(int row, int column, const QString& text)
{
    if (!isValidCell(row, column) || m_cells[row][column] == text)
        return;
    m_cells[row][column] = text;
    static const QList<int> textRoles{Qt::DisplayRole, Qt::EditRole};
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, textRoles);
}

QStringList ChannelTable::fields(int row) const
{
    QStringList texts;
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        texts << text(row, column);
    return texts;
}

bool ChannelTable::isEmptyChannel(int row) const
{
    return text(row, Column::RxFrequency).isEmpty();
}

int ChannelTable::programmedChannelCount() const
{
    int channels = 0;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        channels += isEmptyChannel(row) ? 0 : 1;
    return channels;
}

void ChannelTable::clearChannel(int row)
{
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        setText(row, column, QString());
}

void ChannelTable::clearTable()
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        clearChannel(row);
}

int ChannelTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Row::Count;
}

int ChannelTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Column::Count;
}

QVariant ChannelTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags ChannelTable::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() == Row::Captions || index.column() == Column::ChannelLabel)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
