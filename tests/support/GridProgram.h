#pragma once

#include "support/RunningProgram.h"

#include <QPoint>
#include <QString>
#include <QStringList>

class ChannelGrid;
class ChannelPage;
class FrequencyEditor;
class TonePicker;

// The program with its channel grid driven as the user drives it: mouse clicks on cells,
// and keys and text going wherever the keyboard focus is.
struct GridProgram : RunningProgram
{
    using RunningProgram::RunningProgram;

    ChannelPage* page();
    ChannelGrid* grid();
    FrequencyEditor* editor();
    TonePicker* picker();
    QString cell(int row, int column);
    // The texts of one column from `firstRow` to `lastRow`.
    QStringList column(int column, int firstRow, int lastRow);
    QPoint cellCentre(int row, int column);
    // The grid's current cell as (column, row).
    QPoint currentCell();

    void click(int row, int column, Qt::KeyboardModifiers modifiers = {});
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void type(const QString& keys);
    // A channel typed in: its receive frequency, then Enter.
    void typeChannel(int row, const QString& frequency);
    // A channel put straight into the table, as newChannel() has it.
    void putChannel(int row, const QString& frequency);
};
