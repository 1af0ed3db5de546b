#pragma once

#include <QList>
#include <QString>

// One channel of a plan, apart from any language: frequencies on the channel step in the
// 10 Hz units of FrequencyNormaliser, tones as the tone list writes them.
struct PlanChannel
{
    QString name;           // the plan's own number for it: "1" to "22", or a file's row
    qint64 rxFrequency = 0; // 446.00625 MHz is 44,600,625
    qint64 txFrequency = 0;
    QString rxTone; // a tone list text such as "67.0" or "D023N"; empty for none
    QString txTone;
    bool highPower = true;
    bool wideband = true;
    bool busyLock = false;
    bool scramble = false;

    friend bool operator==(const PlanChannel&, const PlanChannel&) = default;
};

// A list of channels to fill the grid from: a built-in plan of licence-free channels, or a
// channel file of the user's own.
struct ChannelPlan
{
    QString name; // "PMR446", "FRS", or the file name of a user's plan
    QString path; // the user's file; empty for a built-in plan
    QList<PlanChannel> channels;

    bool isBuiltIn() const { return path.isEmpty(); }
};
