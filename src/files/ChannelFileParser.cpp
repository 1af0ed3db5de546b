#include "files/ChannelFileParser.h"

#include "files/ChannelFileLayout.h"
#include "workspace/ChannelColumn.h"
#include "workspace/Gbk.h"

#include <QList>

#include <algorithm>

namespace Layout = ChannelFileLayout;

namespace {

// The lines are views into the file's bytes, which outlive the parser.
QList<QByteArrayView> splitLines(QByteArrayView bytes, int count)
{
    QList<QByteArrayView> lines;
    lines.reserve(count);
    qsizetype start = 0;
    while (lines.size() < count && start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            lines.append(bytes.sliced(start));
            break;
        }
        qsizetype end = newline;
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.append(bytes.sliced(start, end - start));
        start = newline + 1;
    }
    return lines;
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
    explicit Parser(QByteArrayView bytes)
        : m_bytes(bytes), m_lines(splitLines(bytes, Layout::LineCount))
    {
    }

    ParsedChannelFile parse()
    {
        ParsedChannelFile parsed;
        ChannelFileContent& content = parsed.content;
        if (!readLanguage(content) || !readSettings(content)) {
            parsed.problem = m_problem;
            return parsed;
        }
        readBand(content);
        content.voxInhibit = line(Layout::VoxInhibitLine) == view(Layout::VoxInhibitOn);
        readChannels(content);
        return parsed;
    }

private:
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
                number <= m_lines.size() ? channelFields(line(number)) : QStringList(8);
        }
    }

    static QStringList channelFields(QByteArrayView text)
    {
        // A row written without a receive frequency has a space where the frequency
        // starts; it stays empty, whatever its other cells held.
        const qsizetype start = Layout::RxFrequencyPosition - 1;
        if (part(text, start, 1) == " ")
            return QStringList(8);
        // The cells run up to the line's last character, the space after the final bar.
        // Each ends at its first space, and the bar and space after it are stepped over;
        // once no space is left, this cell and the ones after it are empty.
        QByteArrayView rest = part(text, start, text.size() - start - 1);
        const qsizetype separatorLength = qsizetype(Layout::Separator.size());
        QStringList fields;
        fields.reserve(Column::LastField - Column::FirstField + 1);
        for (int column = Column::FirstField; column <= Column::LastField; ++column) {
            const qsizetype space = rest.indexOf(' ');
            fields << (space < 0 ? QString() : Gbk::decode(rest.first(space)));
            rest = space < 0 ? QByteArrayView() : part(rest, space + separatorLength, rest.size());
        }
        return fields;
    }

    QByteArrayView m_bytes;
    QList<QByteArrayView> m_lines;
    ChannelFileProblem m_problem;
};

} // namespace

namespace ChannelFileParser {

ParsedChannelFile parse(const QByteArray& bytes)
{
    return Parser(bytes).parse();
}

} // namespace ChannelFileParser
