#include "cli/TerminalProgress.h"

#include <unistd.h>

TerminalProgress::TerminalProgress(FILE* stream, bool quiet)
    : m_stream(stream), m_shown(!quiet && isatty(fileno(stream)) == 1)
{
}

TerminalProgress::~TerminalProgress()
{
    endLine();
}

void TerminalProgress::setStage(const QString& stage)
{
    endLine();
    m_stage = stage;
}

void TerminalProgress::setProgress(int percent)
{
    if (!m_shown)
        return;
    constexpr int BarWidth = 30;
    const int filled = percent * BarWidth / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(BarWidth - filled, '.');
    std::fprintf(m_stream, "\r%s [%s] %3d%%", m_stage.toUtf8().constData(), bar.constData(),
                 percent);
    std::fflush(m_stream);
    m_lineOpen = true;
}

void TerminalProgress::endLine()
{
    if (!m_lineOpen)
        return;
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
    m_lineOpen = false;
}
