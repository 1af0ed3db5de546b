#pragma once

// Where a read or a write shows how far it has come: the read/write dialog's bar and
// percentage label, or a recorder in tests.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;

    // 0 to 100.
    virtual void setProgress(int percent) = 0;
};
