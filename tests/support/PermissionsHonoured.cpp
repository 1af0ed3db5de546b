#include "support/PermissionsHonoured.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr unsigned bit(int capability)
{
    return 1u << capability;
}

// The capabilities that pass over read, write and search permissions and file ownership.
constexpr unsigned Overrides = bit(CAP_DAC_OVERRIDE) | bit(CAP_DAC_READ_SEARCH) | bit(CAP_FOWNER);

bool getCapabilities(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &header, data) == 0;
}

bool setCapabilities(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &header, data) == 0;
}

} // namespace

PermissionsHonoured::PermissionsHonoured()
{
    __user_cap_data_struct data[2]{};
    if (!getCapabilities(data)) {
        m_holds = ::geteuid() != 0;
        return;
    }
    if ((data[0].effective & Overrides) == 0)
        return;
    m_previousEffective[0] = data[0].effective;
    m_previousEffective[1] = data[1].effective;
    data[0].effective &= ~Overrides;
    m_restore = setCapabilities(data);
    m_holds = m_restore;
}

PermissionsHonoured::~PermissionsHonoured()
{
    if (!m_restore)
        return;
    __user_cap_data_struct data[2]{};
    if (!getCapabilities(data))
        return;
    data[0].effective = m_previousEffective[0];
    data[1].effective = m_previousEffective[1];
    setCapabilities(data);
}
