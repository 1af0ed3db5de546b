#include "link/ReplyAddresses.h"

namespace {
constexpr int AddressHigh = 1;
constexpr int AddressLow = 2;

bool names(const QByteArray& reply, int address)
{
    return reply.size() > AddressLow && quint8(reply[AddressHigh]) == ((address >> 8) & 0xFF) &&
           quint8(reply[AddressLow]) == (address & 0xFF);
}
} // namespace

bool ReplyAddresses::accepts(const QByteArray& reply, int address)
{
    switch (m_naming) {
    case Naming::Unknown:
        m_naming = names(reply, address) ? Naming::Named : Naming::Unnamed;
        return true;
    case Naming::Named:
        return names(reply, address);
    case Naming::Unnamed:
        break;
    }
    return true;
}
