#include "files/ChannelFileReader.h"

#include "app/Localisation.h"
#include "app/Workspace.h"
#include "files/ChannelFileLayout.h"
#include "files/FileIo.h"
#include "files/Gbk.h"
#include "files/IoErrorText.h"

#include <QBuffer>

#include <optional>

namespace Layout = ChannelFileLayout;

namespace {

// A line ends at LF, with or without a CR before it; a bare CR belongs to the line.
QList<QByteArray> readLines(QIODevice* device, int count)
{
    QList<QByteArray> lines;
    while (lines.size() < count && !device->atEnd()) {
        QByteArray line = device->readLine();
        if (line.isEmpty())
            break;
        if (line.endsWith('\n')) {
            line.chop(1);
            if (line.endsWith('\r'))
                line.chop(1);
        }
        lines.append(line);
    }
    return lines;
}

// Character `position` (from 1) of a line; empty where the line is shorter.
QByteArray characterAt(const QByteArray& line, int position)
{
    return line.mid(position - 1, 1);
}

std::optional<int> digitValue(const QByteArray& character)
{
    if (character.size() != 1 || character[0] < '0' || character[0] > '9')
        return std::nullopt;
    return character[0] - '0';
}

// A band the file names is learned only when it looks like one of the radio's bands.
bool isLearnableBand(const QByteArray& line)
{
    const QByteArray first = characterAt(line, Layout::valuePosition(Layout::BandLabel));
    return first == "4" || first == "2" || first == "1";
}

} // namespace

FileResult ChannelFileReader::ReadChannelFile(const QString& path)
{
    FileIo::ReadOutcome file = FileIo::readFile(path);
    if (file.error != 0)
        return FileResult::failed(ioErrorText(file.error, path));
    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer);
}

FileResult ChannelFileReader::read(QIODevice* device)
{
    m_lines = readLines(device, Layout::LineCount);
    if (FileResult language = applyLanguage(); !language.ok())
        return language;
    applyBand();
    m_workspace.setTitleFromBand();
    if (FileResult settings = applySettings(); !settings.ok())
        return settings;
    applyVoxInhibit();
    m_workspace.table.clearTable();
    applyChannels();
    return FileResult::done();
}

QByteArray ChannelFileReader::line(int number) const
{
    return m_lines.value(number - 1);
}

FileResult ChannelFileReader::applyLanguage()
{
    const QByteArray character =
        characterAt(line(Layout::LanguageLine), Layout::valuePosition(Layout::LanguageLabel));
    const std::optional<int> code = digitValue(character);
    if (!code)
        return FileResult::failed(notAnIntegerText(Gbk::decode(character)));
    if (*code == languageCode(Language::Chinese))
        m_localisation.switchLanguage(Language::Chinese);
    else if (*code == languageCode(Language::English))
        m_localisation.switchLanguage(Language::English);
    return FileResult::done();
}

void ChannelFileReader::applyBand()
{
    const QByteArray text = line(Layout::BandLine);
    const QString band =
        Gbk::decode(text.mid(Layout::valuePosition(Layout::BandLabel) - 1, Layout::BandLength));
    BandList& bands = m_workspace.bands;
    int index = bands.indexOf(band);
    if (index < 0 && isLearnableBand(text)) {
        bands.append(band);
        index = bands.count() - 1;
    }
    if (index >= 0)
        bands.select(index);
}

FileResult ChannelFileReader::applySettings()
{
    FunctionSettings& settings = m_workspace.settings;
    int number = Layout::FirstSettingLine;
    for (const Layout::SettingLine& setting : Layout::SettingLines) {
        const QByteArray character =
            characterAt(line(number++), Layout::valuePosition(setting.label));
        const std::optional<int> position = digitValue(character);
        if (!position)
            return FileResult::failed(notAnIntegerText(Gbk::decode(character)));
        // A digit beyond the setting's list would leave it showing nothing and sending
        // the radio a value it does not define: the setting keeps its position instead.
        if (*position < settings.entries(setting.setting).size())
            settings.setPosition(setting.setting, *position);
    }
    return FileResult::done();
}

void ChannelFileReader::applyVoxInhibit()
{
    m_workspace.settings.setVoxInhibit(line(Layout::VoxInhibitLine) ==
                                       Layout::bytes(Layout::VoxInhibitOn));
}

void ChannelFileReader::applyChannels()
{
    // Each line after the blank ones belongs to the next row, whatever its "CH" number.
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        const int number = Layout::FirstChannelLine + row - Row::FirstChannel;
        if (number > m_lines.size())
            return;
        applyChannelLine(row, line(number));
    }
}

void ChannelFileReader::applyChannelLine(int row, const QByteArray& text)
{
    // A row written without a receive frequency has a space where the frequency starts;
    // it stays empty, whatever its other cells held.
    if (characterAt(text, Layout::RxFrequencyPosition) == " ")
        return;
    // The cells run up to the line's last character, the space after the final bar. Each
    // ends at its first space, and the bar and space after it are stepped over; once no
    // space is left, this cell and the ones after it are empty.
    const qsizetype start = Layout::RxFrequencyPosition - 1;
    QByteArray rest = text.mid(start, qMax<qsizetype>(0, text.size() - start - 1));
    const qsizetype separatorLength = qsizetype(Layout::Separator.size());
    for (int column = Column::FirstField; column <= Column::LastField; ++column) {
        const qsizetype space = rest.indexOf(' ');
        const QByteArray cell = space < 0 ? QByteArray() : rest.left(space);
        rest = space < 0 ? QByteArray() : rest.mid(space + separatorLength);
        m_workspace.table.setText(column, row, Gbk::decode(cell));
    }
}
