#pragma once

#include "workspace/ChannelColumn.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <array>

// The 16 channels as the grid shows them: 17 rows by 9 columns of text. Row 0 holds the
// column captions, column 0 the labels "    01" to "    16"; the rest are the channel
// fields. The texts are the data of record: the codecs, the file and the editor read and
// write them as they stand, and the model itself validates nothing.
//
// As a Qt model it exposes the same 17 x 9 cells, cell (row, column) at model index (row,
// column); row 0 and column 0 are not selectable.
class ChannelTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ChannelTable(QObject* parent = nullptr);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);

    // The eight field texts of a row, receive frequency first.
    QStringList fields(int row) const;

    // A channel is empty when its receive frequency is empty.
    bool isEmptyChannel(int row) const;
    // How many of the 16 channels are programmed (not empty).
    int programmedChannelCount() const;
    void clearChannel(int row);
    void clearTable();

    static QString channelLabel(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool isValidCell(int row, int column) const;

    std::array<std::array<QString, Column::Count>, Row::Count> m_cells;
};
