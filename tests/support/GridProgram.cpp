#include "support/GridProgram.h"

#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"

#include "support/NewChannel.h"

#include <QTest>

ChannelPage* GridProgram::page()
{
    return window->channelPage();
}

ChannelGrid* GridProgram::grid()
{
    return page()->grid();
}

FrequencyEditor* GridProgram::editor()
{
    return page()->frequencyEditor();
}

TonePicker* GridProgram::picker()
{
    return page()->tonePicker();
}

QString GridProgram::cell(int row, int column)
{
    return workspace().table.text(row, column);
}

QStringList GridProgram::column(int column, int firstRow, int lastRow)
{
    QStringList texts;
    for (int row = firstRow; row <= lastRow; ++row)
        texts << cell(row, column);
    return texts;
}

QPoint GridProgram::cellCentre(int row, int column)
{
    return grid()->visualRect(workspace().table.index(row, column)).center();
}

QPoint GridProgram::currentCell()
{
    const QModelIndex current = grid()->currentIndex();
    return {current.column(), current.row()};
}

void GridProgram::click(int row, int column, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers, cellCentre(row, column));
}

void GridProgram::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

void GridProgram::type(const QString& keys)
{
    QTest::keyClicks(static_cast<QWidget*>(nullptr), keys);
}

void GridProgram::typeChannel(int row, const QString& frequency)
{
    click(row, Column::RxFrequency);
    type(frequency);
    press(Qt::Key_Return);
}

void GridProgram::putChannel(int row, const QString& frequency)
{
    putNewChannel(workspace().table, row, frequency);
}
