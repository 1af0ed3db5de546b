#pragma once

#include "link/ProgressDisplay.h"

// The three stages of a checked write; each runs from its own hello to its own exit command.
enum class SafeWriteStage { Backup, Write, Verify };

// Where a checked write shows how far it has come: the stage it is in, and the bar over the
// whole run (0 to 100, never going back). The read/write dialog implements it; a command
// line or a test can put its own in its place.
class SafeWriteReport : public ProgressDisplay
{
public:
    virtual void stageStarted(SafeWriteStage stage) = 0;
};
