#include "files/ChannelFileReader.h"

#include "files/ChannelFileParser.h"
#include "files/ChannelFileProblemText.h"
#include "workspace/FileIo.h"
#include "workspace/IoErrorText.h"
#include "workspace/Localisation.h"
#include "workspace/Workspace.h"

#include <QFileInfo>

FileResult ChannelFileReader::readFile(const QString& path)
{
    const FileIo::ReadOutcome file = FileIo::readFile(path);
    if (file.error != 0)
        return FileResult::failed(ioErrorText(file.error, path));
    return read(file.bytes, QFileInfo(path).fileName());
}

FileResult ChannelFileReader::read(const QByteArray& bytes, const QString& fileName)
{
    const ParsedChannelFile parsed = ChannelFileParser::parse(bytes);
    if (!parsed.ok())
        return FileResult::failed(
            channelFileProblemText(fileName, *parsed.problem, m_workspace.checkedLanguage));
    apply(parsed.content);
    return FileResult::done();
}

void ChannelFileReader::apply(const ChannelFileContent& content)
{
    if (content.language)
        m_localisation.switchLanguage(*content.language);
    applyBand(content);
    m_workspace.setTitleFromBand();

    FunctionSettings& settings = m_workspace.settings;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        settings.setPosition(FunctionSettings::Setting(setting), content.positions[setting]);
    settings.setVoxInhibit(content.voxInhibit);

    ChannelTable& table = m_workspace.table;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        const QStringList& fields = content.channels[size_t(row - Row::FirstChannel)];
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            table.setText(row, column, fields.value(column - Column::FirstField));
    }
}

void ChannelFileReader::applyBand(const ChannelFileContent& content)
{
    BandList& bands = m_workspace.bands;
    int index = bands.indexOf(content.band);
    if (index < 0 && content.bandLearnable) {
        bands.append(content.band);
        index = bands.count() - 1;
    }
    if (index >= 0)
        bands.select(index);
}
