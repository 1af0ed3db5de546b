#pragma once

#include <QString>
#include <QStringList>

class ChannelTable;

// The eight cells of a channel just typed in, in English: the frequency for receive and
// transmit, both tones off, high power, the first option on and the other two off.
QStringList newChannel(const QString& frequency);
// Puts such a channel into a row of the table, cell by cell, as if it had been typed.
void putNewChannel(ChannelTable& table, int row, const QString& frequency);
