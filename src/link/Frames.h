#pragma once

#include <QString>

// The frames of the radio's programming protocol as hex text, built here so that no
// procedure writes a frame by hand.
namespace Frame {
// The hello puts the radio into programming mode; only this exact reply counts.
inline const QString Hello = QStringLiteral("0251584B4D4E72");
inline const QString HelloReply = QStringLiteral("06214A7355627177");
// Leaves programming mode; nothing comes back.
inline const QString ExitCommand = QStringLiteral("646F");
// Starts the radio's aging test; nothing comes back.
inline const QString AgingCommand = QStringLiteral("6167");

// Receive thresholds: how many bytes the answer to each kind of frame has.
constexpr int HelloReplyLength = 8;
constexpr int ReadReplyLength = 12;
constexpr int AcknowledgementLength = 1;

// A read reply starts with 4 header bytes the program never looks at; data byte k stands
// at characters 9 + 2k and 10 + 2k of its hex text, counting from 1.
constexpr int ReplyHeaderLength = 4;

// Four upper-case hex digits, high byte first.
QString addressText(int address);
// 52, the address, the length 08.
QString readRequest(int address);
// 57, the address, the length 08, then the 16 hex digits of the data.
QString writeRequest(int address, const QString& data);
} // namespace Frame
