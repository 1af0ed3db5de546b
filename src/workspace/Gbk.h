#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The 8-bit encoding of channel files and the installer's log: ASCII, with Chinese texts
// in GBK (code page 936). A character GBK cannot hold is written as "?".
namespace Gbk {

QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);

// The conversions through iconv, used when Qt was built without a GBK codec.
QByteArray encodeWithIconv(const QString& text);
QString decodeWithIconv(QByteArrayView bytes);

} // namespace Gbk
