#include "link/HexText.h"

QByteArray hexToBytes(QStringView text, bool* ok)
{
    const qsizetype count = text.size() / 2;
    QByteArray bytes(count, '\0');
    for (qsizetype i = 0; i < count; ++i) {
        const int high = hexDigitValue(text[2 * i]);
        const int low = hexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            if (ok)
                *ok = false;
            return {};
        }
        bytes[i] = char(high * 16 + low);
    }
    if (ok)
        *ok = true;
    return bytes;
}

QString bytesToHex(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto value = quint8(byte);
        text.append(hexDigit(value / 16));
        text.append(hexDigit(value % 16));
    }
    return text;
}

int hexDigitValue(QChar digit)
{
    const char16_t c = digit.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

QChar hexDigit(int value)
{
    return QLatin1Char("0123456789ABCDEF"[value & 0xF]);
}

bool isHexDigits(QStringView text, qsizetype count)
{
    if (text.size() != count)
        return false;
    for (const QChar c : text) {
        if (hexDigitValue(c) < 0)
            return false;
    }
    return true;
}
