#include "channels/BandRange.h"

#include "channels/FrequencyNormaliser.h"

std::optional<BandRange> BandRange::of(const QString& band)
{
    const std::optional<qint64> lower =
        FrequencyNormaliser::toBandLimit(FrequencyNormaliser::lowerLimitText(band));
    const std::optional<qint64> upper =
        FrequencyNormaliser::toBandLimit(FrequencyNormaliser::upperLimitText(band));
    if (!lower || !upper)
        return std::nullopt;
    return BandRange(*lower, *upper);
}
