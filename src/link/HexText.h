#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

// Hex text: every byte as two hexadecimal digits, first byte first, no separators. The
// program writes upper-case digits and reads either case.

// The bytes of every whole pair of characters; a trailing odd character is ignored. When a
// pair is not two hexadecimal digits, `ok` is set false and the result is empty: such a
// text must never reach the radio, not even in part.
QByteArray hexToBytes(QStringView text, bool* ok = nullptr);

QString bytesToHex(const QByteArray& bytes);

// 0 to 15 for a hexadecimal digit of either case, -1 for any other character.
int hexDigitValue(QChar digit);

// The upper-case digit of a value 0 to 15.
QChar hexDigit(int value);

// True when every character is a hexadecimal digit and there are exactly `count` of them.
bool isHexDigits(QStringView text, qsizetype count);
