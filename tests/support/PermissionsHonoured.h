#pragma once

// Tests run as root in CI, and root passes every permission check: a read-only folder
// does not stop it. While an object of this class lives, the calling thread gives up the
// capabilities that let it pass over file permissions, so a read-only folder refuses it
// as it refuses any user. A process that is not root has nothing to give up.
class PermissionsHonoured
{
public:
    PermissionsHonoured();
    ~PermissionsHonoured();
    PermissionsHonoured(const PermissionsHonoured&) = delete;
    PermissionsHonoured& operator=(const PermissionsHonoured&) = delete;

    // False when the capabilities could not be given up: permissions do not hold then.
    bool holds() const { return m_holds; }

private:
    bool m_holds = true;
    bool m_restore = false;
    unsigned m_previousEffective[2] = {0, 0};
};
