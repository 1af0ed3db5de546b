#include "workspace/IniFile.h"

#include "workspace/FileIo.h"

#include <cerrno>

namespace {

// A settings file is a few hundred bytes; one far larger is not ours to rewrite.
constexpr qint64 MaxFileSize = FileIo::ReadLimit;

// Names match without regard to the case of ASCII letters: the index holds them in lower
// case, and a name looked up is lowered the same way.
QByteArray folded(QByteArrayView name)
{
    return name.toByteArray().toLower();
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

// Every line shares one of these as its end, so reading a file does not copy them.
const QByteArray NoEnd;
const QByteArray CrLf = QByteArrayLiteral("\r\n");
const QByteArray Cr = QByteArrayLiteral("\r");
const QByteArray Lf = QByteArrayLiteral("\n");

// The line end at the start of `rest`, the bytes after a line's text.
const QByteArray& lineEndAt(QByteArrayView rest)
{
    if (rest.startsWith("\r\n"))
        return CrLf;
    if (rest.startsWith('\r'))
        return Cr;
    return rest.startsWith('\n') ? Lf : NoEnd;
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
        m_linesOnDisk = true;
        return;
    }
    parse({});
    m_mayWrite = file.error == ENOENT;
}

void IniFile::parse(const QByteArray& bytes)
{
    m_lines.clear();
    m_index.reset();
    m_onDisk.reset();
    m_linesOnDisk = false;
    m_newLineEnd = Lf;
    m_lines.reserve(bytes.count('\n') + bytes.count('\r') + 1);
    bool lineEndSeen = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArray& lineEnd = lineEndAt(QByteArrayView(bytes).sliced(end));
        m_lines.append({bytes.sliced(start, end - start), lineEnd});
        if (!lineEnd.isEmpty() && !lineEndSeen) {
            m_newLineEnd = lineEnd;
            lineEndSeen = true;
        }
        start = end + lineEnd.size();
    }
}

IniFile::Index& IniFile::index() const
{
    if (!m_index) {
        Index& built = m_index.emplace();
        for (qsizetype line = 0; line < m_lines.size(); ++line) {
            if (sectionName(m_lines[line].text))
                indexHeader(built, line);
            else if (!built.sections.isEmpty())
                indexKey(built.sections.last(), line);
        }
    }
    return *m_index;
}

// `line` reads as a section header. Only the first section of a name is ever looked up.
void IniFile::indexHeader(Index& index, qsizetype line) const
{
    const QByteArray name = folded(*sectionName(m_lines[line].text));
    if (!index.firstNamed.contains(name))
        index.firstNamed.insert(name, index.sections.size());
    index.sections.append(Section{line, {}});
}

// `line` lies in the section and comes after every line indexed in it; only the first line
// of a key counts.
void IniFile::indexKey(Section& section, qsizetype line) const
{
    const QByteArrayView key = keyOf(m_lines[line].text);
    if (key.isEmpty())
        return;
    const QByteArray name = folded(key);
    if (!section.keyOffsets.contains(name))
        section.keyOffsets.insert(name, line - section.header);
}

IniFile::Found IniFile::find(const QByteArray& section, const QByteArray& key) const
{
    const Index& sections = index();
    Found found;
    const auto named = sections.firstNamed.constFind(folded(section));
    if (named == sections.firstNamed.cend())
        return found;
    found.section = *named;
    const Section& inSection = sections.sections[found.section];
    const auto offset = inSection.keyOffsets.constFind(folded(key));
    if (offset != inSection.keyOffsets.cend())
        found.line = inSection.header + *offset;
    return found;
}

IniFile::Span IniFile::body(qsizetype section) const
{
    const QList<Section>& sections = index().sections;
    const qsizetype end =
        section + 1 < sections.size() ? sections[section + 1].header : m_lines.size();
    return {sections[section].header + 1, end};
}

std::optional<QByteArray> IniFile::value(const QByteArray& section, const QByteArray& key) const
{
    const Found found = find(section, key);
    if (found.line < 0)
        return std::nullopt;
    const QByteArray& text = m_lines[found.line].text;
    const ValueSpan span = valueSpan(text);
    return text.mid(span.begin, span.end - span.begin);
}

bool IniFile::setValue(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    Found found = find(section, key);
    if (found.section < 0) {
        // "[" + name + "]" always reads as a header.
        m_lines.append({'[' + section + ']', m_newLineEnd});
        m_linesOnDisk = false;
        Index& sections = index();
        indexHeader(sections, m_lines.size() - 1);
        found.section = sections.sections.size() - 1;
    }
    if (found.line >= 0) {
        // The key keeps its spelling and the blanks around the value stay.
        QByteArray& text = m_lines[found.line].text;
        const ValueSpan span = valueSpan(text);
        QByteArray changed = text.left(span.begin) + value + text.mid(span.end);
        if (changed != text) {
            text = std::move(changed);
            m_linesOnDisk = false;
            // The key cannot change, but a value ending in "]" can turn the line into a
            // section header.
            if (sectionName(text))
                m_index.reset();
        }
        return save();
    }
    // Blank lines that end a section stay after the new key, so the new line follows
    // every key line of its section.
    const Span span = body(found.section);
    qsizetype at = span.end;
    while (at > span.begin && m_lines[at - 1].text.trimmed().isEmpty())
        --at;
    m_lines.insert(at, {key + '=' + value, m_newLineEnd});
    m_linesOnDisk = false;
    QList<Section>& sections = index().sections;
    for (qsizetype later = found.section + 1; later < sections.size(); ++later)
        ++sections[later].header;
    if (sectionName(m_lines[at].text))
        m_index.reset();
    else
        indexKey(sections[found.section], at);
    return save();
}

bool IniFile::removeKey(const QByteArray& section, const QByteArray& key)
{
    const Found found = find(section, key);
    if (found.line < 0)
        return true;
    m_lines.removeAt(found.line);
    m_linesOnDisk = false;
    // Rare (a forgotten choice): every later line moves, and a second line of the same key
    // may now count, so the next lookup builds the index afresh.
    m_index.reset();
    return save();
}

QByteArray IniFile::toBytes() const
{
    qsizetype size = 0;
    for (const Line& line : m_lines)
        size += line.text.size() + qMax(line.end.size(), m_newLineEnd.size());
    QByteArray bytes;
    bytes.reserve(size);
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
    // A write that changed no line costs no copy of the file.
    if (m_linesOnDisk)
        return true;
    const QByteArray bytes = toBytes();
    if (m_onDisk != bytes) {
        if (FileIo::replaceFile(m_path, bytes) != 0)
            return false;
        m_onDisk = bytes;
    }
    m_linesOnDisk = true;
    return true;
}
