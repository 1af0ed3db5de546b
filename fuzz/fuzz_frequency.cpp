// Any text in a frequency cell (typed, pasted or read from a file), and any band text.
#include "channels/FrequencyNormaliser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto units = FrequencyNormaliser::toChannelStep(text)) {
        if (*units < FrequencyNormaliser::Lowest || *units > FrequencyNormaliser::Highest)
            __builtin_trap();
        if (FrequencyNormaliser::toText(*units, QLatin1Char('.')).size() < 9)
            __builtin_trap();
    }
    FrequencyNormaliser::toBandLimit(FrequencyNormaliser::lowerLimitText(text));
    FrequencyNormaliser::toBandLimit(FrequencyNormaliser::upperLimitText(text));
    return 0;
}
