#pragma once

#include "backups/FleetRadioOutcome.h"

#include "RadioFaults.h"
#include "RadioSimulator.h"

#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <limits>
#include <memory>
#include <vector>

// Several simulated radios, each on a pseudo-terminal of its own, and the fleet's ports to
// them. Each notes when it first and last heard a command, on one clock for all.
class FleetRadios
{
public:
    using Clock = std::chrono::steady_clock;

    // `count` radios holding `image`; false when one could not start.
    bool start(int count, const QByteArray& image);

    RadioSimulator& radio(int index) { return *m_radios.at(size_t(index))->simulator; }
    int count() const { return int(m_radios.size()); }
    // "COM1" to "COMn", each leading to its radio.
    QList<FleetPort> ports() const;

    // Whether every one of these radios heard its first command before any of them heard its
    // last: their runs went on at the same time.
    bool overlapped(const QList<int>& radios) const;

private:
    struct Radio
    {
        std::unique_ptr<RadioSimulator> simulator;
        std::atomic<Clock::rep> first = 0;
        std::atomic<Clock::rep> last = 0;
    };
    std::vector<std::unique_ptr<Radio>> m_radios;
};

inline bool FleetRadios::start(int count, const QByteArray& image)
{
    for (int index = 0; index < count; ++index) {
        auto radio = std::make_unique<Radio>();
        RadioMemory memory;
        memory.write(0, image);
        radio->simulator = std::make_unique<RadioSimulator>(memory);
        Radio* noted = radio.get();
        radio->simulator->onCommand = [noted](const RadioSimulator::CommandEntry&) {
            const Clock::rep now = Clock::now().time_since_epoch().count();
            Clock::rep none = 0;
            noted->first.compare_exchange_strong(none, now);
            noted->last = now;
        };
        if (!radio->simulator->start())
            return false;
        m_radios.push_back(std::move(radio));
    }
    return true;
}

inline QList<FleetPort> FleetRadios::ports() const
{
    QList<FleetPort> ports;
    for (size_t index = 0; index < m_radios.size(); ++index)
        ports << FleetPort{QStringLiteral("COM%1").arg(index + 1),
                           m_radios[index]->simulator->slavePath()};
    return ports;
}

inline bool FleetRadios::overlapped(const QList<int>& radios) const
{
    Clock::rep latestFirst = 0;
    Clock::rep earliestLast = std::numeric_limits<Clock::rep>::max();
    for (const int index : radios) {
        const Radio& radio = *m_radios.at(size_t(index));
        latestFirst = std::max(latestFirst, radio.first.load());
        earliestLast = std::min(earliestLast, radio.last.load());
    }
    return latestFirst > 0 && latestFirst < earliestLast;
}
