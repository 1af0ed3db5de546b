#pragma once

#include "plans/UserPlans.h"

#include <QList>
#include <QString>

#include <optional>

// Every plan there is to fill from: the built-in plans, then the user's plan files by name.
namespace PlanLibrary {

// The names the window lists and the command line takes.
QStringList names(const QString& userFolder);

// The plan of that name, whatever its letter case: a built-in plan by its name, a user's
// by its file name, with or without the extension. Nothing when there is none.
std::optional<UserPlans::Loaded> load(const QString& name, const QString& userFolder,
                                      Language language);

// A tone the user gave for every channel: a tone of the tone list (a DCS code in either
// case) or, for none, an off word of either language or "off". Nothing for anything else.
std::optional<QString> toneNamed(const QString& text);

// Plan channels by their names, singly or in ranges: "1-7,15-22" gives the indexes of
// channels 1 to 7 and 15 to 22, in that order. Nothing when a name is not the plan's.
std::optional<QList<int>> channelsNamed(const ChannelPlan& plan, const QString& text);

} // namespace PlanLibrary
