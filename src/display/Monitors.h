// The monitors attached to the system.
#pragma once

class clsMonitors {
public:
    virtual ~clsMonitors() = default;
    // How many monitors there are.
    virtual int Count() const;
};
