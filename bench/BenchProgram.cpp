#include "BenchProgram.h"

RadioMemory programmedRadio()
{
    RadioMemory memory;
    for (int channel = 1; channel <= 16; ++channel)
        memory.write(16 * channel, QByteArray::fromHex("002551430025604318132380F2FFFFFF"));
    memory.write(0x03C0, QByteArray::fromHex("FD0503060301FEFF"));
    memory.write(0x03E0, QByteArray::fromHex("00400047FFFFFFFF"));
    return memory;
}
