#pragma once

#include "link/ProgressDisplay.h"
#include "workspace/MessageLibrary.h"

#include "RadioMemory.h"

// What the read and write benchmarks drive the program's procedures with: a radio whose
// every channel is programmed, message boxes that are only counted, and a progress bar
// nobody sees.

// Every channel programmed, so that no part of a record is skipped.
RadioMemory programmedRadio();

// A box means the exchange failed; a measurement then says so instead of a figure.
struct CountingMessages : MessageLibrary
{
    bool showMessage(Language, int, int, int, const QString&) override
    {
        ++boxes;
        return true;
    }
    void errorBox(const QString&) override { ++boxes; }
    void noticeBox(const QString&) override { ++boxes; }
    bool showAbout(Language, int) override { return true; }
    int boxes = 0;
};

struct NoProgress : ProgressDisplay
{
    void setProgress(int) override {}
};
