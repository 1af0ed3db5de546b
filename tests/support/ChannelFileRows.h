#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The channel texts of a channel file's rows 1 to 16, as the program reads the file; none
// when it refuses the file.
QList<QStringList> channelsOf(const QByteArray& channelFile);
