#include "workspace/Workspace.h"

RadioContents Workspace::radioContents() const
{
    RadioContents contents;
    contents.band = bands.selectedText();
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            contents.channel(row)[RadioContents::fieldIndex(column)] = table.text(row, column);
    }
    contents.settings = {settings.positions(), settings.voxInhibit()};
    return contents;
}

void Workspace::takeRadioContents(const RadioContents& contents)
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            table.setText(row, column, contents.channel(row)[RadioContents::fieldIndex(column)]);
    }
    settings.reset(contents.settings.positions);
    settings.setVoxInhibit(contents.settings.voxInhibit);

    // The band box's change reaction must neither ask nor reset for the radio's band.
    editor.loading = true;
    int index = bands.indexOf(contents.band);
    if (index < 0 && contents.band != RadioContents::NoBand) {
        bands.append(contents.band);
        index = bands.count() - 1;
    }
    if (index >= 0)
        bands.select(index);
    editor.loading = false;
    setTitleFromBand();
}

void Workspace::setTitleFromBand()
{
    m_title = QStringLiteral("RZT3307 [") + bands.selectedText() + QStringLiteral("]");
    emit titleChanged(m_title);
}

void Workspace::setThemeIndex(int index)
{
    if (m_themeIndex == index)
        return;
    m_themeIndex = index;
    emit themeIndexChanged(index);
}
