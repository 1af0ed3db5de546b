#include "RadioMemory.h"

#include <QFile>
#include <QSaveFile>

namespace {
constexpr char Unprogrammed = char(0xFF);

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}
} // namespace

RadioMemory::RadioMemory() : m_image(Size, Unprogrammed) {}

QByteArray RadioMemory::read(int address, int length) const
{
    QByteArray bytes(qMax(length, 0), Unprogrammed);
    for (int i = 0; i < bytes.size(); ++i) {
        const int at = address + i;
        if (at >= 0 && at < Size)
            bytes[i] = m_image[at];
    }
    return bytes;
}

void RadioMemory::write(int address, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); ++i) {
        const int at = address + i;
        if (at >= 0 && at < Size)
            m_image[at] = bytes[i];
    }
}

bool RadioMemory::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray image = file.read(Size + 1);
    if (image.size() != Size) {
        setError(error, QStringLiteral("%1: a memory image is exactly %2 bytes, this file has %3")
                            .arg(path)
                            .arg(Size)
                            .arg(file.size()));
        return false;
    }
    m_image = image;
    return true;
}

bool RadioMemory::save(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_image) != Size || !file.commit()) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
