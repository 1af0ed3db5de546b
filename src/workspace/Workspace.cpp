#include "workspace/Workspace.h"

#include "workspace/LanguageWords.h"

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
    setRadioContents(contents);
    setTitleFromBand();
    // A complete read is one step, however much it changed.
    recordEdit();
}

void Workspace::setRadioContents(const RadioContents& contents)
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

void Workspace::replaceChannels(const Channels& channels)
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            table.setText(
                row, column,
                channels[size_t(row - Row::FirstChannel)][RadioContents::fieldIndex(column)]);
    }
    recordEdit();
}

EditSnapshot Workspace::snapshot() const
{
    return {radioContents(), m_title};
}

void Workspace::startEditHistory()
{
    m_history.start(snapshot());
}

void Workspace::recordEdit()
{
    m_history.record(snapshot());
}

bool Workspace::undoEdit()
{
    const EditSnapshot* step = m_history.undo();
    if (step)
        restore(*step);
    return step != nullptr;
}

bool Workspace::redoEdit()
{
    const EditSnapshot* step = m_history.redo();
    if (step)
        restore(*step);
    return step != nullptr;
}

void Workspace::restore(const EditSnapshot& step)
{
    // The step's band is selected without the band-change question or its reset.
    setRadioContents(step.contents);
    if (m_title != step.title) {
        m_title = step.title;
        emit titleChanged(m_title);
    }
}

QString Workspace::recordedText(int row, int column) const
{
    if (!m_history.isStarted() || !Row::isChannel(row) || column < Column::FirstField ||
        column > Column::LastField)
        return table.text(row, column);
    return m_history.current().contents.channel(row)[RadioContents::fieldIndex(column)];
}

void Workspace::rewordEditHistory()
{
    m_history.rewordChannels([this](int column, const QString& text) {
        return LanguageWords::reworded(column, text, words);
    });
}
