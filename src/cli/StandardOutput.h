#pragma once

#include <QIODevice>

// Standard output as a device the command line's text stream writes through, keeping the
// first error a write met (a full disk, a closed output) so that the command can end
// with it instead of reporting success for output that was lost.
class StandardOutput : public QIODevice
{
public:
    StandardOutput();

    // The errno of the first write that failed; 0 while none did.
    int error() const { return m_error; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    int m_error = 0;
};
