#include "channels/ChannelEditor.h"

#include "channels/BandRange.h"
#include "channels/FrequencyNormaliser.h"
#include "channels/FrequencyTyping.h"
#include "channels/RowEditTexts.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <algorithm>

namespace {

using Cell = CellEditorView::Cell;

bool isDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

bool isEnter(QChar character)
{
    return character == QLatin1Char('\r') || character == QLatin1Char('\n');
}

constexpr QChar Backspace = QLatin1Char('\b');

} // namespace

ChannelEditor::ChannelEditor(Workspace& workspace, Messenger& messenger, CellEditorView& view,
                             QObject* parent)
    : QObject(parent), m_workspace(workspace), m_messenger(messenger), m_view(view)
{
    connect(&workspace.bands, &BandList::selectionChanged, this, &ChannelEditor::bandChanged);
}

EditorState& ChannelEditor::state() const
{
    return m_workspace.editor;
}

ChannelTable& ChannelEditor::table() const
{
    return m_workspace.table;
}

// --- Committing ---------------------------------------------------------------------

bool ChannelEditor::commitEditedCell()
{
    if (!commitCell())
        return false;
    m_workspace.recordEdit();
    return true;
}

bool ChannelEditor::commitCell()
{
    const int column = state().currentColumn;
    const int row = state().currentRow;
    if (!Row::isChannel(row))
        return true;
    // Only a frequency cell holds anything typed; from any other cell there is nothing to
    // commit, and reading that cell's word as a number would only fail.
    const bool typedChannel =
        !table().isEmptyChannel(row) && table().text(row, Column::RxTone).isEmpty();
    if (typedChannel && Column::isFrequency(column))
        return commitNewChannel(row, column);
    if (Column::isFrequency(column) && !table().text(row, column).isEmpty())
        return normaliseFrequency(row, column);
    if (table().isEmptyChannel(row)) {
        // A row without a receive frequency holds nothing.
        for (int field = Column::RxTone; field <= Column::LastField; ++field)
            table().setText(row, field, QString());
    }
    return true;
}

// A receive tone is empty in a row just typed, but also in a channel whose tone a radio
// read could not decode; so the defaults go only into empty cells, and such a channel keeps
// everything it has.
bool ChannelEditor::commitNewChannel(int row, int column)
{
    // A transmit frequency the user cleared has nothing to normalise; it gets the copy.
    if (!table().text(row, column).isEmpty() && !normaliseFrequency(row, column))
        return false;
    fillIfEmpty(row, Column::TxFrequency, table().text(row, Column::RxFrequency));
    writeNewChannelWords(row);
    return true;
}

QString ChannelEditor::newChannelWord(int column, const CellWords& words)
{
    switch (column) {
    case Column::Power:
        return words.highWord;
    case Column::OptionA:
        return words.onWord;
    default:
        return words.offWord;
    }
}

void ChannelEditor::writeNewChannelWords(int row)
{
    for (int column : {int(Column::RxTone), int(Column::TxTone), int(Column::Power),
                       int(Column::OptionA), int(Column::OptionB), int(Column::OptionC)})
        fillIfEmpty(row, column, newChannelWord(column, m_workspace.words));
}

void ChannelEditor::fillIfEmpty(int row, int column, const QString& text)
{
    if (table().text(row, column).isEmpty())
        table().setText(row, column, text);
}

bool ChannelEditor::normaliseFrequency(int row, int column)
{
    const QString typed = table().text(row, column);
    const std::optional<qint64> onStep = FrequencyNormaliser::toChannelStep(typed);
    if (!onStep)
        return conversionFailed(typed);
    qint64 frequency = *onStep;
    m_view.hideFrequencyEditor();

    // The band is read afresh every time; it is a half-open range, so its upper limit
    // itself is not a usable frequency.
    const QString band = m_workspace.bands.selectedText();
    const QString lowerText = FrequencyNormaliser::lowerLimitText(band);
    const std::optional<qint64> lower = FrequencyNormaliser::toBandLimit(lowerText);
    if (!lower)
        return conversionFailed(lowerText);
    if (frequency < *lower) {
        showOutOfBand();
        frequency = *lower;
    }
    const QString upperText = FrequencyNormaliser::upperLimitText(band);
    const std::optional<qint64> upper = FrequencyNormaliser::toBandLimit(upperText);
    if (!upper)
        return conversionFailed(upperText);
    if (frequency >= *upper) {
        showOutOfBand();
        frequency = *upper - FrequencyNormaliser::BelowUpperLimit;
    }
    table().setText(row, column,
                    FrequencyNormaliser::toText(frequency, FrequencyNormaliser::separator()));
    return true;
}

bool ChannelEditor::conversionFailed(const QString& text)
{
    m_messenger.errorBox(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return false;
}

void ChannelEditor::showOutOfBand()
{
    m_messenger.show(Message::PromptTitle, Message::FrequencyOutOfBand);
}

// --- The frequency editor -----------------------------------------------------------

ChannelEditor::EditorKey ChannelEditor::editorCharacter(QChar character, const QString& editorText)
{
    if (isEnter(character)) {
        commitFromEditor();
        return EditorKey::Commit;
    }
    if (character == Backspace || FrequencyTyping::accepts(character, editorText))
        return EditorKey::Accept;
    return EditorKey::Discard;
}

void ChannelEditor::copyEditorText(const QString& text)
{
    table().setText(state().currentRow, state().currentColumn, text);
}

void ChannelEditor::commitFromEditor()
{
    m_view.hideFrequencyEditor();
    m_view.focusGrid();
    if (!commitEditedCell()) {
        // The editor comes back over its cell with the text that failed, ready to be
        // corrected; hidden, it would leave the user only clicks that fail again.
        const int column = state().currentColumn;
        const int row = state().currentRow;
        m_view.showFrequencyEditor({row, column}, table().text(row, column));
        m_view.focusFrequencyEditor(CellEditorView::Caret::AtEnd);
        return;
    }
    const Cell current = m_view.gridCurrentCell();
    gridClick(current.row, current.column);
}

// --- The grid -----------------------------------------------------------------------

bool ChannelEditor::gridMayMoveCell()
{
    return commitEditedCell();
}

void ChannelEditor::gridClick(int row, int column)
{
    if (!Row::isChannel(row) || column < Column::FirstField || column > Column::LastField)
        return;
    closeTonePicker();
    m_view.hideFrequencyEditor();
    state().currentColumn = column;
    state().currentRow = row;

    // On an empty channel only the receive frequency reacts.
    if (column != Column::RxFrequency && table().isEmptyChannel(row))
        return;
    switch (column) {
    case Column::RxFrequency:
    case Column::TxFrequency:
        openFrequencyEditor(row, column);
        break;
    case Column::RxTone:
    case Column::TxTone:
        openTonePicker(row, column);
        break;
    default:
        toggleFlag(row, column);
        break;
    }
}

void ChannelEditor::openFrequencyEditor(int row, int column)
{
    m_view.showFrequencyEditor({row, column}, table().text(row, column));
}

void ChannelEditor::openTonePicker(int row, int column)
{
    // A text that is no tone list entry (or an empty cell) leaves the picker where it was.
    const int entry = int(m_workspace.tones.entries().indexOf(table().text(row, column)));
    m_view.showTonePicker({row, column}, entry);
    state().currentColumn = column;
    state().pickerRow = row;
    m_toneFirstRow = row;
    m_toneLastRow = row;
}

// A move onto the cell by key or wheel only uses up suppressToggle.
void ChannelEditor::toggleFlag(int row, int column)
{
    if (state().suppressToggle) {
        state().suppressToggle = false;
        return;
    }
    table().setText(row, column, toggledWord(row, column));
    m_workspace.recordEdit();
}

// High becomes low and off becomes on; anything else, even a word of the other language,
// becomes high or off.
QString ChannelEditor::toggledWord(int row, int column) const
{
    const CellWords& words = m_workspace.words;
    const bool power = column == Column::Power;
    const QString& word = power ? words.highWord : words.offWord;
    const QString& otherWord = power ? words.lowWord : words.onWord;
    return table().text(row, column) == word ? otherWord : word;
}

void ChannelEditor::gridKeyDown(Qt::Key key)
{
    // These keys move the current cell, which runs the click handling too; they must not
    // toggle the flag cell they land on.
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        state().suppressToggle = true;
        break;
    default:
        break;
    }
}

bool ChannelEditor::gridCharacterKey(QChar character)
{
    const bool enter = isEnter(character);
    if (!enter && !isDigit(character))
        return false;
    if (!typingGoesToEditor())
        return true;
    if (enter) {
        m_view.focusFrequencyEditor(CellEditorView::Caret::SelectAll);
        return true;
    }
    const QString text(character);
    m_view.setFrequencyEditorText(text);
    m_view.focusFrequencyEditor(CellEditorView::Caret::AtEnd);
    copyEditorText(text);
    return true;
}

bool ChannelEditor::typingGoesToEditor() const
{
    const int column = state().currentColumn;
    const bool frequencyCell =
        column == Column::RxFrequency ||
        (column == Column::TxFrequency && !table().isEmptyChannel(state().currentRow));
    return frequencyCell && m_view.isFrequencyEditorShown();
}

void ChannelEditor::gridWheel()
{
    // The wheel moves the row within the column last handled: only a flag column could
    // toggle the cell it lands on.
    if (state().currentColumn > Column::TxTone)
        state().suppressToggle = true;
}

void ChannelEditor::gridFocusIn()
{
    if (m_view.isTonePickerShown())
        m_view.hideTonePicker();
}

// --- The tone picker ----------------------------------------------------------------

void ChannelEditor::tonePickerLeft()
{
    handOverTone();
    m_view.hideTonePicker();
}

void ChannelEditor::handOverTone()
{
    const int row = state().pickerRow;
    const int column = state().currentColumn;
    const QString tone = m_view.tonePickerText();
    if (row >= m_toneFirstRow && row <= m_toneLastRow)
        setProgrammedRows(m_toneFirstRow, m_toneLastRow, column, tone);
    table().setText(row, column, tone);
    m_workspace.recordEdit();
}

void ChannelEditor::closeTonePicker()
{
    // Hiding the picker takes the focus from it, and whenever it loses the focus the
    // user's choice goes into the cell.
    if (m_view.tonePickerHasFocus())
        handOverTone();
    m_view.hideTonePicker();
}

void ChannelEditor::closeCellEditors()
{
    if (m_view.isTonePickerShown())
        closeTonePicker();
    if (m_view.isFrequencyEditorShown())
        m_view.hideFrequencyEditor();
}

// --- Channel moves ------------------------------------------------------------------

// A channel moves when the cell last handled in it is not empty.
bool ChannelEditor::currentCellMoves() const
{
    return state().currentColumn > Column::ChannelLabel &&
           !table().text(state().currentRow, state().currentColumn).isEmpty();
}

void ChannelEditor::swapChannels(int row, int otherRow)
{
    for (int column = Column::FirstField; column <= Column::LastField; ++column) {
        const QString kept = table().text(otherRow, column);
        table().setText(otherRow, column, table().text(row, column));
        table().setText(row, column, kept);
    }
}

void ChannelEditor::channelUp()
{
    if (!commitEditedCell())
        return;
    closeCellEditors();
    const int row = state().currentRow;
    if (currentCellMoves() && row > Row::FirstChannel) {
        swapChannels(row, row - 1);
        state().currentRow = row - 1;
    }
    if (state().currentRow == Row::Captions)
        state().currentRow = Row::FirstChannel;
    m_workspace.recordEdit();
}

void ChannelEditor::channelDown()
{
    if (!commitEditedCell())
        return;
    closeCellEditors();
    const int row = state().currentRow;
    if (currentCellMoves() && Row::isChannel(row) && row < Row::LastChannel) {
        swapChannels(row, row + 1);
        state().currentRow = row + 1;
    }
    m_workspace.recordEdit();
}

void ChannelEditor::deleteChannel()
{
    closeCellEditors();
    if (Row::isChannel(state().currentRow))
        table().clearChannel(state().currentRow);
    m_workspace.recordEdit();
}

// --- Several channels at once ------------------------------------------------------

bool ChannelEditor::prepareRowsEdit()
{
    if (!commitEditedCell())
        return false;
    closeCellEditors();
    return true;
}

void ChannelEditor::setProgrammedRows(int firstRow, int lastRow, int column, const QString& text)
{
    for (int row = std::max(firstRow, int(Row::FirstChannel));
         row <= std::min(lastRow, int(Row::LastChannel)); ++row) {
        if (!table().isEmptyChannel(row))
            table().setText(row, column, text);
    }
}

void ChannelEditor::setRowsWord(int firstRow, int lastRow, int column, const QString& word)
{
    if (!Column::isFlag(column) || !prepareRowsEdit())
        return;
    setProgrammedRows(firstRow, lastRow, column, word);
    m_workspace.recordEdit();
}

void ChannelEditor::setRowsTone(int firstRow, int lastRow, int column, const QString& tone)
{
    if (!Column::isTone(column) || !prepareRowsEdit())
        return;
    setProgrammedRows(firstRow, lastRow, column, tone);
    m_workspace.recordEdit();
}

void ChannelEditor::selectionClick(int firstRow, int lastRow, int row, int column)
{
    if (!Column::isFlag(column)) {
        gridClick(row, column);
        if (Column::isTone(column) && m_view.isTonePickerShown()) {
            m_toneFirstRow = firstRow;
            m_toneLastRow = lastRow;
        }
        return;
    }
    closeTonePicker();
    m_view.hideFrequencyEditor();
    state().currentColumn = column;
    state().currentRow = row;
    if (!Row::isChannel(row) || table().isEmptyChannel(row))
        return;
    // A click inside a selection is the user's own, never a move by key or wheel, so it
    // always switches; the word the clicked cell switches to goes into every row.
    state().suppressToggle = false;
    setProgrammedRows(firstRow, lastRow, column, toggledWord(row, column));
    m_workspace.recordEdit();
}

std::optional<QList<ChannelEditor::LeftOutFrequency>>
ChannelEditor::fillFrequencies(int firstRow, int lastRow, const QString& start, qint64 step)
{
    if (!prepareRowsEdit())
        return std::nullopt;
    const std::optional<qint64> first = FrequencyNormaliser::toChannelStep(start);
    if (!first) {
        conversionFailed(start);
        return std::nullopt;
    }
    const QString band = m_workspace.bands.selectedText();
    const std::optional<BandRange> range = BandRange::of(band);
    const QChar separator = FrequencyNormaliser::separator();
    QList<LeftOutFrequency> leftOut;
    qint64 next = *first;
    for (int row = std::max(firstRow, int(Row::FirstChannel));
         row <= std::min(lastRow, int(Row::LastChannel)); ++row, next += step) {
        // What typing this frequency would give.
        const qint64 frequency =
            *FrequencyNormaliser::toChannelStep(FrequencyNormaliser::toText(next, u'.'));
        if (!range || !range->holds(frequency)) {
            leftOut.append({row, frequency});
            continue;
        }
        const QString text = FrequencyNormaliser::toText(frequency, separator);
        table().setText(row, Column::RxFrequency, text);
        table().setText(row, Column::TxFrequency, text);
        writeNewChannelWords(row);
    }
    m_workspace.recordEdit();
    if (!leftOut.isEmpty()) {
        QList<RowEditTexts::Frequency> listed;
        for (const LeftOutFrequency& frequency : leftOut)
            listed.append(
                {frequency.row, FrequencyNormaliser::toText(frequency.frequency, separator)});
        m_messenger.errorBox(
            RowEditTexts::frequenciesLeftOut(listed, band, m_workspace.checkedLanguage));
    }
    return leftOut;
}

// --- The band -----------------------------------------------------------------------

void ChannelEditor::bandChanged()
{
    // The program's own selections (a radio read, a file open) neither ask nor reset.
    if (state().loading)
        return;
    m_view.setBandBoxEnabled(false);
    if (!state().startingUp && m_messenger.show(Message::PromptTitle, Message::ConfirmBandChange)) {
        m_workspace.settings.reset(FunctionSettings::BandChangePositions);
        table().clearTable();
    }
    m_view.hideFrequencyEditor();
    m_view.setBandBoxEnabled(true);
    // The new band, with the reset when there was one, is one step.
    m_workspace.recordEdit();
}

// --- Undo and redo ------------------------------------------------------------------

void ChannelEditor::undo()
{
    if (m_view.isTonePickerShown())
        closeTonePicker();
    if (m_view.isFrequencyEditorShown() && dropTyping())
        return;
    m_view.hideFrequencyEditor();
    m_workspace.undoEdit();
}

void ChannelEditor::redo()
{
    if (m_view.isTonePickerShown())
        closeTonePicker();
    if (!m_workspace.canRedoEdit())
        return;
    m_view.hideFrequencyEditor();
    m_workspace.redoEdit();
}

// Puts the cell being typed back to what the last step holds; false when nothing has been
// typed since.
bool ChannelEditor::dropTyping()
{
    const int row = state().currentRow;
    const int column = state().currentColumn;
    const QString recorded = m_workspace.recordedText(row, column);
    if (table().text(row, column) == recorded)
        return false;
    table().setText(row, column, recorded);
    m_view.hideFrequencyEditor();
    m_view.focusGrid();
    return true;
}
