#pragma once

#include "RadioMemory.h"

#include <QByteArray>

// The simulated radio's memory holding `image` from address 0000; past its end, FF.
inline RadioMemory memoryOf(const QByteArray& image)
{
    RadioMemory memory;
    memory.write(0, image);
    return memory;
}
