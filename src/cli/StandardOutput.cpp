#include "cli/StandardOutput.h"

#include "workspace/FileIo.h"

#include <unistd.h>

StandardOutput::StandardOutput()
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::readData(char*, qint64)
{
    return -1;
}

qint64 StandardOutput::writeData(const char* data, qint64 size)
{
    // After a failure nothing more goes out: output with a hole in it is worse than none.
    if (m_error == 0)
        m_error = FileIo::writeDescriptor(STDOUT_FILENO, QByteArray::fromRawData(data, size));
    return m_error == 0 ? size : -1;
}
