#pragma once

#include "workspace/RadioContents.h"

#include <QString>

#include <deque>
#include <functional>

// Everything an edit can change, as one plain value: the 16 channels, the settings, VOX
// inhibit, the selected band and the window title. Keeping all of it in every step means
// no field can be missed by an undo.
struct EditSnapshot
{
    RadioContents contents;
    QString title;

    friend bool operator==(const EditSnapshot&, const EditSnapshot&) = default;
};

// The undo history: a line of snapshots with a current one. Recording a snapshot that
// differs from the current one adds a step and drops whatever had been undone after it;
// undo and redo move along the line. The oldest steps fall away once it holds Capacity.
class EditHistory
{
public:
    static constexpr int Capacity = 1000;

    bool isStarted() const { return !m_steps.empty(); }
    // Forgets everything and takes `snapshot` as the state nothing can be undone past.
    void start(const EditSnapshot& snapshot);
    // False when there is no history yet or `snapshot` is the current step already.
    bool record(const EditSnapshot& snapshot);

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return isStarted() && m_current + 1 < m_steps.size(); }
    // Moves one step back or forward and gives the step now current; nothing when there
    // is none.
    const EditSnapshot* undo();
    const EditSnapshot* redo();

    // The current step; only while the history is started.
    const EditSnapshot& current() const { return m_steps[m_current]; }
    // How many steps can be undone from the newest one.
    int undoableSteps() const { return int(m_steps.size()) - 1; }

    // Rewrites the cell texts of every step, as a language switch re-words the grid.
    using Reword = std::function<QString(int column, const QString& text)>;
    void rewordChannels(const Reword& reword);

private:
    std::deque<EditSnapshot> m_steps;
    size_t m_current = 0;
};
