#pragma once

#include <QString>

// The four words of the active language that flag and tone cells are made of. They are
// empty until the first language has been applied.
struct CellWords
{
    QString offWord;
    QString onWord;
    QString highWord;
    QString lowWord;
};
