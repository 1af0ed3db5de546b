#include "cli/ContentsTable.h"

#include "cli/CliContext.h"
#include "workspace/LanguageStrings.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// Columns on a terminal: Chinese characters take two.
int displayWidth(const QString& text)
{
    int width = 0;
    for (const QChar character : text)
        width += character.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

QString padded(const QString& text, int width)
{
    return text + QString(std::max(0, width - displayWidth(text)), QLatin1Char(' '));
}

QString channelTable(const CliContext& context, const Workspace& workspace)
{
    std::array<int, Column::Count> widths{};
    QList<QStringList> lines;
    QStringList captions;
    for (int column = 0; column < Column::Count; ++column)
        captions << context.text(LanguageString::columnCaption(column));
    lines << captions;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        lines << (QStringList{QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'))} +
                  workspace.table.fields(row));
    for (const QStringList& line : lines)
        for (int column = 0; column < Column::Count; ++column)
            widths[size_t(column)] =
                std::max(widths[size_t(column)], displayWidth(line.value(column)));

    QString table;
    for (const QStringList& line : lines) {
        QString text;
        for (int column = 0; column < Column::Count; ++column)
            text += padded(line.value(column), widths[size_t(column)] + 2);
        table += text.trimmed() + QLatin1Char('\n');
    }
    return table;
}

QString settingsList(const CliContext& context, const Workspace& workspace)
{
    QList<std::pair<QString, QString>> entries;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting) {
        const auto which = FunctionSettings::Setting(setting);
        entries.append(
            {context.text(LanguageString::settingLabel(which)), workspace.settings.text(which)});
    }
    const CellWords& words = workspace.words;
    entries.append({context.text(LanguageString::VoxInhibit),
                    workspace.settings.voxInhibit() ? words.onWord : words.offWord});
    int width = 0;
    for (const auto& entry : entries)
        width = std::max(width, displayWidth(entry.first));
    QString list;
    for (const auto& [label, value] : entries)
        list += padded(label, width + 2) + value + QLatin1Char('\n');
    return list;
}

} // namespace

QString contentsTable(const CliContext& context)
{
    const Workspace& workspace = context.workspace();
    return context.text(LanguageString::Band) + QStringLiteral(": ") +
           workspace.bands.selectedText() + QStringLiteral("\n\n") +
           channelTable(context, workspace) + QLatin1Char('\n') + settingsList(context, workspace);
}
