#include "support/ScriptedSerialPort.h"

bool ScriptedSerialPort::setPortOpen(bool open)
{
    if (open && !openSucceeds)
        return false;
    m_open = open;
    return true;
}

void ScriptedSerialPort::Output(const QByteArray& bytes)
{
    output += bytes;
    if (onOutput)
        onOutput(bytes);
}

QByteArray ScriptedSerialPort::Input()
{
    QByteArray bytes;
    bytes.swap(m_waiting);
    return bytes;
}

void ScriptedSerialPort::deliver(const QByteArray& bytes)
{
    m_waiting += bytes;
    if (m_threshold > 0 && m_waiting.size() >= m_threshold)
        raise(Event::Receive);
}

void ScriptedSerialPort::raise(Event event)
{
    m_event = event;
    emit OnComm();
}
