#include "workspace/EditHistory.h"

void EditHistory::start(const EditSnapshot& snapshot)
{
    m_steps.assign(1, snapshot);
    m_current = 0;
}

bool EditHistory::record(const EditSnapshot& snapshot)
{
    if (!isStarted() || current() == snapshot)
        return false;
    m_steps.erase(m_steps.begin() + qsizetype(m_current) + 1, m_steps.end());
    m_steps.push_back(snapshot);
    if (m_steps.size() > size_t(Capacity) + 1)
        m_steps.pop_front();
    m_current = m_steps.size() - 1;
    return true;
}

const EditSnapshot* EditHistory::undo()
{
    if (!canUndo())
        return nullptr;
    return &m_steps[--m_current];
}

const EditSnapshot* EditHistory::redo()
{
    if (!canRedo())
        return nullptr;
    return &m_steps[++m_current];
}

void EditHistory::rewordChannels(const Reword& reword)
{
    for (EditSnapshot& step : m_steps) {
        for (RadioContents::Channel& channel : step.contents.channels) {
            for (int column = Column::FirstField; column <= Column::LastField; ++column) {
                QString& text = channel[RadioContents::fieldIndex(column)];
                text = reword(column, text);
            }
        }
    }
}
