#include "files/ChannelFileWriter.h"

#include "files/ChannelFileLayout.h"
#include "workspace/FileIo.h"
#include "workspace/Gbk.h"
#include "workspace/IoErrorText.h"
#include "workspace/Workspace.h"

#include <QIODevice>

#include <cerrno>

namespace Layout = ChannelFileLayout;

namespace {

QString text(std::string_view ascii)
{
    return QString::fromLatin1(ascii.data(), qsizetype(ascii.size()));
}

// "    01" becomes "01".
QString withoutLeadingSpaces(const QString& label)
{
    qsizetype first = 0;
    while (first < label.size() && label[first] == u' ')
        ++first;
    return label.mid(first);
}

} // namespace

QByteArray ChannelFileWriter::contents() const
{
    const FunctionSettings& settings = m_workspace.settings;
    QStringList lines;
    lines << text(Layout::Header) << QString() << QString();
    lines << text(Layout::LanguageLabel) + QString::number(m_workspace.languageCode);
    lines << text(Layout::BandLabel) + m_workspace.bands.selectedText();
    for (int index = 0; index < int(Layout::SettingLines.size()); ++index)
        lines << settingLine(index);
    lines << text(Layout::VoxInhibitLabel) + (settings.voxInhibit() ? u'1' : u'0');
    lines << QString() << QString();
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        lines << channelLine(row);

    const QString lineEnd = text(Layout::LineEnd);
    return Gbk::encode(lines.join(lineEnd) + lineEnd);
}

QString ChannelFileWriter::settingLine(int index) const
{
    const Layout::SettingLine& line = Layout::SettingLines[size_t(index)];
    const FunctionSettings& settings = m_workspace.settings;
    return text(line.label) + QString::number(settings.position(line.setting)) + u' ' +
           settings.text(line.setting);
}

QString ChannelFileWriter::channelLine(int row) const
{
    const ChannelTable& table = m_workspace.table;
    const QString separator = text(Layout::Separator);
    QString line = text(Layout::ChannelPrefix);
    line += withoutLeadingSpaces(table.text(row, Column::ChannelLabel));
    for (int column = Column::FirstField; column <= Column::LastField; ++column) {
        line += separator;
        line += table.text(row, column);
    }
    line += separator;
    return line;
}

FileResult ChannelFileWriter::write(QIODevice* device) const
{
    const QByteArray bytes = contents();
    const qint64 written = device->write(bytes);
    if (written == bytes.size())
        return FileResult::done();
    // A device that took only part of the file is full; one that failed outright says no more.
    return FileResult::failed(ioErrorText(written < 0 ? EIO : ENOSPC, QString()));
}

FileResult ChannelFileWriter::writeFile(const QString& path) const
{
    const int error = FileIo::replaceFile(path, contents());
    return error == 0 ? FileResult::done() : FileResult::failed(ioErrorText(error, path));
}
