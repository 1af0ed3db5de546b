#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString keyOf(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals > 0 ? line.left(equals).trimmed() : QString();
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

void IniFile::load()
{
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly))
        parse(QString::fromUtf8(file.readAll()));
    else
        parse(QString());
}

void IniFile::parse(const QString& text)
{
    m_preamble.clear();
    m_sections.clear();
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            m_sections.append({trimmed.mid(1, trimmed.size() - 2).trimmed(), line, {}});
            continue;
        }
        const bool isComment = trimmed.startsWith(QLatin1Char(';'));
        const Line entry{isComment ? QString() : keyOf(line), line};
        if (m_sections.isEmpty())
            m_preamble.append(entry);
        else
            m_sections.last().lines.append(entry);
    }
}

qsizetype IniFile::sectionIndex(const QString& name) const
{
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (sameName(m_sections[i].name, name))
            return i;
    return -1;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const qsizetype found = sectionIndex(section);
    if (found < 0)
        return std::nullopt;
    for (const Line& line : m_sections[found].lines) {
        if (!line.key.isEmpty() && sameName(line.key, key))
            return line.text.mid(line.text.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return std::nullopt;
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    qsizetype found = sectionIndex(section);
    if (found < 0) {
        m_sections.append({section, QLatin1Char('[') + section + QLatin1Char(']'), {}});
        found = m_sections.size() - 1;
    }
    Section* target = &m_sections[found];
    bool replaced = false;
    for (Line& line : target->lines) {
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line.text = line.key + QLatin1Char('=') + value; // the key keeps its spelling
            replaced = true;
            break;
        }
    }
    if (!replaced) {
        const QString text = key + QLatin1Char('=') + value;
        // Keep blank lines that end a section after the new key.
        qsizetype at = target->lines.size();
        while (at > 0 && target->lines[at - 1].text.trimmed().isEmpty())
            --at;
        target->lines.insert(at, {key, text});
    }
    return save();
}

QString IniFile::toText() const
{
    QString text;
    for (const Line& line : m_preamble)
        text += line.text + QLatin1Char('\n');
    for (const Section& section : m_sections) {
        text += section.header + QLatin1Char('\n');
        for (const Line& line : section.lines)
            text += line.text + QLatin1Char('\n');
    }
    return text;
}

bool IniFile::save() const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(toText().toUtf8());
    return file.commit();
}
