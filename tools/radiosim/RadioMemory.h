#pragma once

#include <QByteArray>
#include <QString>

// The radio's 1 KB of memory. A fresh radio holds FF in every byte. On disk the image is
// the 1024 bytes themselves, address 0000 first, nothing else.
class RadioMemory
{
public:
    static constexpr int Size = 1024;

    RadioMemory();

    // `length` bytes from `address`; bytes past the end of memory read as FF.
    QByteArray read(int address, int length) const;
    // Bytes past the end of memory are dropped.
    void write(int address, const QByteArray& bytes);

    const QByteArray& image() const { return m_image; }

    // A missing or unreadable file, or one that is not exactly 1024 bytes, leaves the
    // memory as it was and returns false with the reason in `error`.
    bool load(const QString& path, QString* error = nullptr);
    // Replaces the file whole or not at all.
    bool save(const QString& path, QString* error = nullptr) const;

    friend bool operator==(const RadioMemory&, const RadioMemory&) = default;

private:
    QByteArray m_image;
};
