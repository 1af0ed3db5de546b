#include "files/ChannelFileParser.h"

#include "files/ChannelFileLayout.h"
#include "workspace/ChannelColumn.h"
#include "workspace/Gbk.h"

#include <QList>

#include <algorithm>

namespace Layout = ChannelFileLayout;

namespace {

QList<QByteArray> splitLines(const QByteArray& bytes, int count)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (lines.size() < count && start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            lines.append(bytes.mid(start));
            break;
        }
        qsizetype end = newline;
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.append(bytes.mid(start, end - start));
        start = newline + 1;
    }
    return lines;
}

bool hasBareCarriageReturn(const QByteArray& bytes)
{
    for (qsizetype at = bytes.indexOf('\r'); at >= 0; at = bytes.indexOf('\r', at + 1)) {
        if (at + 1 == bytes.size() || bytes[at + 1] != '\n')
            return true;
    }
    return false;
}

// The character that starts at `index`: one byte, or the two of a GBK character.
QByteArray characterStartingAt(const QByteArray& line, qsizetype index)
{
    const auto lead = static_cast<unsigned char>(line[index]);
    const bool gbkPair = lead >= 0x81 && lead <= 0xFE && index + 1 < line.size() &&
                         static_cast<unsigned char>(line[index + 1]) >= 0x40;
    return line.mid(index, gbkPair ? 2 : 1);
}

// Reads the file's values in file order, stopping at the first one that does not convert.
class Parser
{
public:
    explicit Parser(const QByteArray& bytes)
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
        content.voxInhibit = line(Layout::VoxInhibitLine) == Layout::bytes(Layout::VoxInhibitOn);
        readChannels(content);
        return parsed;
    }

private:
    // Line `number` (from 1) without its line end; a line past the end of the file is empty.
    QByteArray line(int number) const { return m_lines.value(number - 1); }

    // The digit at `position` of line `number`, when it is below `limit`; otherwise the
    // problem is noted and nothing returned.
    std::optional<int> digit(int number, int position, int limit,
                             std::optional<FunctionSettings::Setting> setting)
    {
        const QByteArray text = line(number);
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
        const QByteArray text = line(Layout::BandLine);
        const qsizetype start = Layout::valuePosition(Layout::BandLabel) - 1;
        content.band = Gbk::decode(text.mid(start, Layout::BandLength));
        const QByteArray band = text.mid(start, Layout::BandLength);
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
            const int listSize = int(FunctionSettings::builtInEntries(setting.setting).size());
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

    static QStringList channelFields(const QByteArray& text)
    {
        QStringList fields;
        // A row written without a receive frequency has a space where the frequency
        // starts; it stays empty, whatever its other cells held.
        if (text.mid(Layout::RxFrequencyPosition - 1, 1) == " ")
            return QStringList(8);
        // The cells run up to the line's last character, the space after the final bar.
        // Each ends at its first space, and the bar and space after it are stepped over;
        // once no space is left, this cell and the ones after it are empty.
        const qsizetype start = Layout::RxFrequencyPosition - 1;
        QByteArray rest = text.mid(start, qMax<qsizetype>(0, text.size() - start - 1));
        const qsizetype separatorLength = qsizetype(Layout::Separator.size());
        for (int column = Column::FirstField; column <= Column::LastField; ++column) {
            const qsizetype space = rest.indexOf(' ');
            fields << (space < 0 ? QString() : Gbk::decode(rest.left(space)));
            rest = space < 0 ? QByteArray() : rest.mid(space + separatorLength);
        }
        return fields;
    }

    const QByteArray& m_bytes;
    QList<QByteArray> m_lines;
    ChannelFileProblem m_problem;
};

} // namespace

namespace ChannelFileParser {

ParsedChannelFile parse(const QByteArray& bytes)
{
    return Parser(bytes).parse();
}

} // namespace ChannelFileParser
