#include "workspace/IniFile.h"

#include "workspace/FileIo.h"

#include <cerrno>

namespace {

// A settings file is a few hundred bytes; one far larger is not ours to rewrite.
constexpr qint64 MaxFileSize = FileIo::ReadLimit;

// Names match without regard to the case of ASCII letters. The lookups run over every
// line for every key read or written, so they look at the lines through views and copy
// nothing.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

bool isBlank(char character)
{
    return character == ' ' || character == '\t' || character == '\v' || character == '\f';
}

std::optional<QByteArrayView> sectionName(QByteArrayView text)
{
    const QByteArrayView trimmed = text.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return std::nullopt;
    return trimmed.sliced(1, trimmed.size() - 2).trimmed();
}

// The key of a "key=value" line; empty for comments and every other line.
QByteArrayView keyOf(QByteArrayView text)
{
    if (text.trimmed().startsWith(';'))
        return {};
    const qsizetype equals = text.indexOf('=');
    return equals > 0 ? text.first(equals).trimmed() : QByteArrayView();
}

struct ValueSpan
{
    qsizetype begin;
    qsizetype end;
};

// Where the value of a "key=value" line stands, without the blanks around it.
ValueSpan valueSpan(const QByteArray& text)
{
    qsizetype begin = text.indexOf('=') + 1;
    while (begin < text.size() && isBlank(text[begin]))
        ++begin;
    qsizetype end = text.size();
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return {begin, end};
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

void IniFile::load()
{
    const FileIo::ReadOutcome file = FileIo::readFile(m_path, MaxFileSize + 1);
    if (file.error == 0 && file.bytes.size() <= MaxFileSize) {
        parse(file.bytes);
        m_onDisk = file.bytes;
        return;
    }
    parse({});
    m_mayWrite = file.error == ENOENT;
}

void IniFile::parse(const QByteArray& bytes)
{
    m_lines.clear();
    m_onDisk.reset();
    m_newLineEnd = "\n";
    bool lineEndSeen = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype endLength = 0;
        if (end < bytes.size())
            endLength = bytes.mid(end, 2) == "\r\n" ? 2 : 1;
        m_lines.append({bytes.mid(start, end - start), bytes.mid(end, endLength)});
        if (endLength > 0 && !lineEndSeen) {
            m_newLineEnd = bytes.mid(end, endLength);
            lineEndSeen = true;
        }
        start = end + endLength;
    }
}

std::optional<IniFile::Span> IniFile::sectionBody(const QByteArray& section) const
{
    for (qsizetype header = 0; header < m_lines.size(); ++header) {
        const std::optional<QByteArrayView> name = sectionName(m_lines[header].text);
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = header + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end].text))
            ++end;
        return Span{header + 1, end};
    }
    return std::nullopt;
}

qsizetype IniFile::keyLine(const Span& body, const QByteArray& key) const
{
    for (qsizetype line = body.begin; line < body.end; ++line) {
        const QByteArrayView lineKey = keyOf(m_lines[line].text);
        if (!lineKey.isEmpty() && sameName(lineKey, key))
            return line;
    }
    return -1;
}

std::optional<QByteArray> IniFile::value(const QByteArray& section, const QByteArray& key) const
{
    const std::optional<Span> body = sectionBody(section);
    if (!body)
        return std::nullopt;
    const qsizetype line = keyLine(*body, key);
    if (line < 0)
        return std::nullopt;
    const QByteArray& text = m_lines[line].text;
    const ValueSpan span = valueSpan(text);
    return text.mid(span.begin, span.end - span.begin);
}

bool IniFile::setValue(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    std::optional<Span> body = sectionBody(section);
    if (!body) {
        m_lines.append({'[' + section + ']', m_newLineEnd});
        body = Span{m_lines.size(), m_lines.size()};
    }
    if (const qsizetype line = keyLine(*body, key); line >= 0) {
        // The key keeps its spelling and the blanks around the value stay.
        QByteArray& text = m_lines[line].text;
        const ValueSpan span = valueSpan(text);
        text = text.left(span.begin) + value + text.mid(span.end);
    } else {
        // Blank lines that end a section stay after the new key.
        qsizetype at = body->end;
        while (at > body->begin && m_lines[at - 1].text.trimmed().isEmpty())
            --at;
        m_lines.insert(at, {key + '=' + value, m_newLineEnd});
    }
    return save();
}

bool IniFile::removeKey(const QByteArray& section, const QByteArray& key)
{
    const std::optional<Span> body = sectionBody(section);
    const qsizetype line = body ? keyLine(*body, key) : -1;
    if (line < 0)
        return true;
    m_lines.removeAt(line);
    return save();
}

QByteArray IniFile::toBytes() const
{
    QByteArray bytes;
    for (qsizetype line = 0; line < m_lines.size(); ++line) {
        bytes += m_lines[line].text;
        // A last line without an end gets one once the store adds lines after it.
        const bool last = line + 1 == m_lines.size();
        bytes += m_lines[line].end.isEmpty() && !last ? m_newLineEnd : m_lines[line].end;
    }
    return bytes;
}

bool IniFile::save()
{
    if (m_path.isEmpty())
        return true;
    if (!m_mayWrite)
        return false;
    const QByteArray bytes = toBytes();
    if (m_onDisk == bytes)
        return true;
    if (FileIo::replaceFile(m_path, bytes) != 0)
        return false;
    m_onDisk = bytes;
    return true;
}
