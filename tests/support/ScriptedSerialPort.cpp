#include "support/ScriptedSerialPort.h"

bool ScriptedSerialPort::open()
{
    if (!m_open && !openSucceeds)
        return false;
    m_open = true;
    return true;
}

void ScriptedSerialPort::send(const QByteArray& bytes)
{
    output += bytes;
    if (onOutput)
        onOutput(bytes);
}

int ScriptedSerialPort::bytesAvailable() const
{
    const int waiting = int(m_waiting.size());
    m_waiting += landingAfterLook;
    landingAfterLook.clear();
    return waiting;
}

QByteArray ScriptedSerialPort::readAll()
{
    QByteArray bytes;
    bytes.swap(m_waiting);
    return bytes;
}

void ScriptedSerialPort::deliver(const QByteArray& bytes)
{
    m_waiting += bytes;
    // As the real port tells of every arrival, before its receive event.
    emit bytesArriving();
    if (m_threshold > 0 && m_waiting.size() >= m_threshold)
        raise(Event::Receive);
}

void ScriptedSerialPort::raise(Event event)
{
    m_event = event;
    emit eventOccurred();
}
