#pragma once

#include "link/ProgressDisplay.h"

#include <QString>

// What the read and write commands need of the read/write dialog. The dialog implements
// it; tests can put a recorder in its place.
class ReadWriteView : public ProgressDisplay
{
public:
    // The window's caption and the start button's.
    virtual void setCaptions(const QString& caption, const QString& startCaption) = 0;
    // Shows the dialog, not modal, with the start button focused.
    virtual void showDialog() = 0;
    virtual void setStartEnabled(bool enabled) = 0;
};
