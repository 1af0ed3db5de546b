#pragma once

#include <QString>

#include <optional>

// The frequencies a band text such as "400-470MHz" allows, in the 10 Hz units of
// FrequencyNormaliser: its lower limit is a usable frequency, its upper limit is not.
// Whatever fills many channels at once checks against it and leaves out a frequency
// outside, where typing one pulls it to the edge.
class BandRange
{
public:
    // Nothing when the text gives no limits to check against.
    static std::optional<BandRange> of(const QString& band);

    bool holds(qint64 frequency) const { return frequency >= m_lower && frequency < m_upper; }

private:
    BandRange(qint64 lower, qint64 upper) : m_lower(lower), m_upper(upper) {}

    qint64 m_lower;
    qint64 m_upper;
};
