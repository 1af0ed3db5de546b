#include "files/ChannelFileParser.h"

#include "files/ChannelFileLayout.h"
#include "workspace/ChannelColumn.h"
#include "workspace/Gbk.h"

#include <QList>

#include <algorithm>

namespace Layout = ChannelFileLayout;

namespace {

struct Lines
{
    // Views into the file's bytes, which outlive the parser.
    QList<QByteArrayView> texts;
    // The last line read has no line end: the file ends in it.
    bool lastUnended = false;
};

Lines splitLines(QByteArrayView bytes, int count)
{
    Lines split;
    QList<QByteArrayView>& lines = split.texts;
    lines.reserve(count);
    qsizetype start = 0;
    while (lines.size() < count && start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            lines.append(bytes.sliced(start));
            split.lastUnended = true;
            break;
        }
        qsizetype end = newline;
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.append(bytes.sliced(start, end - start));
        start = newline + 1;
    }
    return split;
}

// Up to `length` bytes of `text` from `start`; empty where the text is shorter.
QByteArrayView part(QByteArrayView text, qsizetype start, qsizetype length)
{
    if (start >= text.size())
        return {};
    return text.sliced(start, qMin(length, text.size() - start));
}

QByteArrayView view(std::string_view text)
{
    return QByteArrayView(text.data(), qsizetype(text.size()));
}

bool hasBareCarriageReturn(QByteArrayView bytes)
{
    for (qsizetype at = bytes.indexOf('\r'); at >= 0; at = bytes.indexOf('\r', at + 1)) {
        if (at + 1 == bytes.size() || bytes[at + 1] != '\n')
            return true;
    }
    return false;
}

// Walks a channel line's cells as the reader takes them: from the receive frequency's
// place up to the line's last character (the space after the final bar), each cell ending
// at its first space, the bar and space after it stepped over.
class ChannelCells
{
public:
    explicit ChannelCells(QByteArrayView line)
    {
        const qsizetype start = Layout::RxFrequencyPosition - 1;
        m_rest = part(line, start, line.size() - start - 1);
    }

    // The next cell; nothing once no space is left, for this cell and the ones after it.
    std::optional<QByteArrayView> next()
    {
        const qsizetype space = m_rest.indexOf(' ');
        if (space < 0) {
            m_rest = {};
            return std::nullopt;
        }
        const QByteArrayView cell = m_rest.first(space);
        m_rest = part(m_rest, space + qsizetype(Layout::Separator.size()), m_rest.size());
        return cell;
    }

private:
    QByteArrayView m_rest;
};

constexpr int CellCount = Column::LastField - Column::FirstField + 1;

// Whether a line the file ends in, without a line end, still holds all the reader takes
// from it. A settings value is one character at its place, the band at most ten; the VOX
// inhibit line is compared whole, so a beginning of "VoxInhibit 1" is cut; a channel line
// is whole once each of its eight cells ends in a space, as the final " | " gives it.
bool holdsAllItsValues(int number, QByteArrayView text)
{
    if (number == Layout::LanguageLine)
        return text.size() >= Layout::valuePosition(Layout::LanguageLabel);
    if (number == Layout::BandLine)
        return text.size() >= Layout::valuePosition(Layout::BandLabel) - 1 + Layout::BandLength;
    const int setting = number - Layout::FirstSettingLine;
    if (setting >= 0 && setting < int(Layout::SettingLines.size()))
        return text.size() >= Layout::valuePosition(Layout::SettingLines[size_t(setting)].label);
    if (number == Layout::VoxInhibitLine)
        return text.size() >= qsizetype(Layout::VoxInhibitOn.size()) ||
               !view(Layout::VoxInhibitOn).startsWith(text);
    const int channel = number - Layout::FirstChannelLine;
    if (channel >= 0 && channel < ChannelFileContent::ChannelCount) {
        ChannelCells cells(text);
        for (int cell = 0; cell < CellCount; ++cell) {
            if (!cells.next())
                return false;
        }
    }
    return true;
}

// The character that starts at `index`: one byte, or the two of a GBK character.
QByteArray characterStartingAt(QByteArrayView line, qsizetype index)
{
    const auto lead = static_cast<unsigned char>(line[index]);
    const bool gbkPair = lead >= 0x81 && lead <= 0xFE && index + 1 < line.size() &&
                         static_cast<unsigned char>(line[index + 1]) >= 0x40;
    return line.sliced(index, gbkPair ? 2 : 1).toByteArray();
}

// Reads the file's values in file order, stopping at the first one that does not convert.
class Parser
{
public:
    explicit Parser(QByteArrayView bytes) : m_bytes(bytes)
    {
        const Lines lines = splitLines(bytes, Layout::LineCount);
        m_lines = lines.texts;
        if (lines.lastUnended && !holdsAllItsValues(int(m_lines.size()), m_lines.last()))
            m_cutLine = int(m_lines.size());
    }

    ParsedChannelFile parse()
    {
        ParsedChannelFile parsed;
        ChannelFileContent& content = parsed.content;
        const bool valuesRead = readLanguage(content) && readSettings(content);
        // The first problem in file order; a value the cut took away is the cut's.
        if (m_cutLine > 0 && (valuesRead || m_problem.line >= m_cutLine)) {
            parsed.problem = cutShort();
            return parsed;
        }
        if (!valuesRead) {
            parsed.problem = m_problem;
            return parsed;
        }
        readBand(content);
        content.voxInhibit = line(Layout::VoxInhibitLine) == view(Layout::VoxInhibitOn);
        readChannels(content);
        return parsed;
    }

private:
    ChannelFileProblem cutShort() const
    {
        ChannelFileProblem problem;
        problem.kind = ChannelFileProblem::Kind::CutShort;
        problem.line = m_cutLine;
        const int setting = m_cutLine - Layout::FirstSettingLine;
        if (setting >= 0 && setting < int(Layout::SettingLines.size()))
            problem.setting = Layout::SettingLines[size_t(setting)].setting;
        problem.linesInFile = int(m_lines.size());
        problem.binary = m_bytes.contains('\0');
        return problem;
    }

    // Line `number` (from 1) without its line end; a line past the end of the file is empty.
    QByteArrayView line(int number) const
    {
        return number - 1 < m_lines.size() ? m_lines[number - 1] : QByteArrayView();
    }

    // The digit at `position` of line `number`, when it is below `limit`; otherwise the
    // problem is noted and nothing returned.
    std::optional<int> digit(int number, int position, int limit,
                             std::optional<FunctionSettings::Setting> setting)
    {
        const QByteArrayView text = line(number);
        const qsizetype index = position - 1;
        if (index < text.size()) {
            const char character = text[index];
            if (character >= '0' && character < '0' + limit)
                return character - '0';
        }
        m_problem.line = number;
        m_problem.position = position;
        m_problem.setting = setting;
        m_problem.linesInFile = int(m_lines.size());
        if (number > m_lines.size()) {
            m_problem.kind = ChannelFileProblem::Kind::FileTooShort;
            m_problem.bareCarriageReturns = hasBareCarriageReturn(m_bytes);
        } else if (index >= text.size()) {
            m_problem.kind = ChannelFileProblem::Kind::LineTooShort;
        } else {
            m_problem.kind = ChannelFileProblem::Kind::WrongCharacter;
            m_problem.found = characterStartingAt(text, index);
        }
        m_problem.binary = m_bytes.contains('\0');
        return std::nullopt;
    }

    bool readLanguage(ChannelFileContent& content)
    {
        const std::optional<int> code =
            digit(Layout::LanguageLine, Layout::valuePosition(Layout::LanguageLabel), 10, {});
        if (!code)
            return false;
        if (*code == languageCode(Language::Chinese))
            content.language = Language::Chinese;
        else if (*code == languageCode(Language::English))
            content.language = Language::English;
        return true;
    }

    void readBand(ChannelFileContent& content) const
    {
        const qsizetype start = Layout::valuePosition(Layout::BandLabel) - 1;
        const QByteArrayView band = part(line(Layout::BandLine), start, Layout::BandLength);
        content.band = Gbk::decode(band);
        const bool controlCharacter =
            std::any_of(band.begin(), band.end(), [](char c) { return uchar(c) < 0x20; });
        // A control character (a bare CR, say) is no band, and would break the settings
        // file's line once the band list is kept there.
        content.bandLearnable =
            (band.startsWith('4') || band.startsWith('2') || band.startsWith('1')) &&
            !controlCharacter;
    }

    // A digit beyond a setting's list would leave the setting showing nothing and send the
    // radio a value it does not define, so it does not convert either.
    bool readSettings(ChannelFileContent& content)
    {
        int number = Layout::FirstSettingLine;
        for (const Layout::SettingLine& setting : Layout::SettingLines) {
            const int listSize = FunctionSettings::entryCount(setting.setting);
            const std::optional<int> position =
                digit(number++, Layout::valuePosition(setting.label), listSize, setting.setting);
            if (!position)
                return false;
            content.positions[setting.setting] = *position;
        }
        return true;
    }

    // Each line after the blank ones belongs to the next row, whatever its "CH" number.
    void readChannels(ChannelFileContent& content) const
    {
        for (int index = 0; index < ChannelFileContent::ChannelCount; ++index) {
            const int number = Layout::FirstChannelLine + index;
            content.channels[size_t(index)] =
                number <= m_lines.size() ? channelFields(line(number)) : QStringList(CellCount);
        }
    }

    static QStringList channelFields(QByteArrayView text)
    {
        // A row written without a receive frequency has a space where the frequency
        // starts; it stays empty, whatever its other cells held.
        if (part(text, Layout::RxFrequencyPosition - 1, 1) == " ")
            return QStringList(CellCount);
        ChannelCells cells(text);
        QStringList fields;
        fields.reserve(CellCount);
        for (int cell = 0; cell < CellCount; ++cell) {
            const std::optional<QByteArrayView> bytes = cells.next();
            fields << (bytes ? Gbk::decode(*bytes) : QString());
        }
        return fields;
    }

    QByteArrayView m_bytes;
    QList<QByteArrayView> m_lines;
    int m_cutLine = 0; // the line the file is cut short in; 0 when it is not
    ChannelFileProblem m_problem;
};

} // namespace

namespace ChannelFileParser {

ParsedChannelFile parse(const QByteArray& bytes)
{
    return Parser(bytes).parse();
}

} // namespace ChannelFileParser
