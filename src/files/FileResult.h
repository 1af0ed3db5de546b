#pragma once

#include <QString>

// How a file operation ended: done, or stopped with the text the error box shows (given
// without its final full stop, which the box adds).
class FileResult
{
public:
    static FileResult done() { return FileResult(); }
    static FileResult failed(const QString& errorText) { return FileResult(errorText); }

    bool ok() const { return m_errorText.isEmpty(); }
    const QString& errorText() const { return m_errorText; }

private:
    FileResult() = default;
    explicit FileResult(const QString& errorText) : m_errorText(errorText) {}

    QString m_errorText;
};
