#pragma once

#include "plans/ChannelPlan.h"

#include <QList>

// The licence-free channel plans the program knows. Their sources and legal notes are in
// the manual.
namespace BuiltInPlans {

// PMR446: 16 channels, 446.00625 to 446.19375 MHz in 12.5 kHz steps; low power and
// narrow band, as the licence exemption allows (0.5 W, 12.5 kHz channels).
ChannelPlan pmr446();

// FRS: 22 channels. 1 to 7 at 462.5625 to 462.7125 MHz and 8 to 14 at 467.5625 to
// 467.7125 MHz, 15 to 22 at 462.5500 to 462.7250 MHz, each group in 25 kHz steps. All are
// narrow band; 8 to 14 are limited to 0.5 W and get low power.
ChannelPlan frs();

QList<ChannelPlan> all();

} // namespace BuiltInPlans
