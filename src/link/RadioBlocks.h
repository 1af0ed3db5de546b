#pragma once

#include <QByteArray>
#include <QMap>

// Blocks of the radio's memory as a read gave them: the 8 data bytes of each reply, by the
// block's address.
using RadioBlocks = QMap<int, QByteArray>;
