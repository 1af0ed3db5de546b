#include "workspace/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

// Runs `input` through iconv. Where the input cannot be converted, `replacement` is
// written and `skip` returns how many input bytes to step over.
template <typename Skip>
QByteArray convert(const char* to, const char* from, const QByteArray& input,
                   const QByteArray& replacement, Skip skip)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == iconv_t(-1))
        return {};
    QByteArray output;
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer, qsizetype(sizeof buffer - outLeft));
        if (result != size_t(-1) || errno == E2BIG)
            continue;
        output.append(replacement);
        const size_t step = qMin(inLeft, size_t(skip(static_cast<unsigned char>(*in))));
        in += step;
        inLeft -= step;
    }
    iconv_close(converter);
    return output;
}

// Length of the UTF-8 sequence that starts with `lead`.
int utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// GBK keeps ASCII as it is. Most texts of a channel file or the settings file are
// ASCII, and converting them needs no converter, which is costly to set up.
bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

namespace Gbk {

QByteArray encode(const QString& text)
{
    if (isAscii(text))
        return text.toLatin1();
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return encodeWithIconv(text);
    return encoder.encode(text);
}

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return decodeWithIconv(bytes);
    return decoder.decode(bytes);
}

QByteArray encodeWithIconv(const QString& text)
{
    return convert("GBK", "UTF-8", text.toUtf8(), QByteArrayLiteral("?"), utf8Length);
}

QString decodeWithIconv(QByteArrayView bytes)
{
    const QByteArray utf8 =
        convert("UTF-8", "GBK", bytes.toByteArray(), QByteArrayLiteral("\xEF\xBF\xBD"),
                [](unsigned char) { return 1; });
    return QString::fromUtf8(utf8);
}

} // namespace Gbk
