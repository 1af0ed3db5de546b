#pragma once

#include "workspace/Workspace.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A radio's memory as the tests know it in advance: channel records, settings and band
// written out in hex by hand, the grid texts they stand for, and the bytes a complete read
// and a complete write put on the line. It is built from the radio's side, without the
// program's codecs or frames, so that it can catch their mistakes.
namespace SampleRadio {
inline const CellWords Words{"OFF", "ON", "High", "Low"};
inline const QString Band = QStringLiteral("400-470MHz");

struct Channel
{
    int row = 0;
    const char* record = ""; // 16 bytes in hex
    QStringList texts;       // RxFrequency to Scramble
};

// The programmed channels; every other channel of the image is 16 bytes of FF.
QList<Channel> channels();
// The 8 texts a read gives the row: empty for a channel that is not programmed.
QStringList rowTexts(int row);

constexpr FunctionSettings::Positions Settings = {5, 1, 6, 0, 1, 0, 1, 3, 3};
constexpr bool VoxInhibit = true;

// The radio's 1024 bytes, FF wherever the program never reads or writes.
QByteArray image();
// The 8 bytes at `address`.
QByteArray block(const QByteArray& image, int address);

// Puts the image's channels, settings and band into the workspace, in English words.
void fill(Workspace& workspace);

QByteArray hello();
QByteArray helloReply();
QByteArray readRequest(int address);
// The radio's answer to a read request: a 4-byte header, then the 8 bytes.
QByteArray readReply(const QByteArray& image, int address);
QByteArray writeRequest(const QByteArray& image, int address);
// Every write request of a complete write, in the order they are sent.
QList<int> writeAddresses();
QByteArray exitCommand();

// What each side sends during a complete read or write with a prompt radio.
QByteArray readFromProgram();
QByteArray readFromRadio(const QByteArray& image);
QByteArray writeFromProgram(const QByteArray& image);
QByteArray writeFromRadio();
} // namespace SampleRadio
