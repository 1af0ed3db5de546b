#pragma once

#include <QProcess>
#include <QString>

// A serial device held open by another process, as another program would hold it, until
// released or destroyed. For suites added with the PORT_HOLDER flag.
class HeldPort
{
public:
    explicit HeldPort(const QString& device)
    {
        m_process.start(QStringLiteral(PORT_HOLDER), {device});
        if (m_process.waitForReadyRead(10'000))
            m_holding = m_process.readAll().trimmed() == "held";
    }
    ~HeldPort() { release(); }
    HeldPort(const HeldPort&) = delete;
    HeldPort& operator=(const HeldPort&) = delete;

    // Whether the other process has the device open.
    bool holding() const { return m_holding; }
    qint64 processId() const { return m_process.processId(); }

    // Lets the device go; true once the other process has ended.
    bool release()
    {
        if (m_process.state() == QProcess::NotRunning)
            return true;
        m_process.closeWriteChannel();
        m_holding = false;
        return m_process.waitForFinished(10'000);
    }

private:
    QProcess m_process;
    bool m_holding = false;
};
