#pragma once
// The LAN connection check of the Ethernet and RNDIS check pages: find the
// register's network address (from its tables, or as typed for RNDIS) and
// connect to it over TCP with a driver instance of its own.

#include "wizard/device/WorkThread.h"

class TCheckLANWorkTask : public TWorkThread
{
    Q_OBJECT
public:
    using TWorkThread::TWorkThread;

    // Takes the address for RNDIS from the controller and frees the shared
    // driver's port, both on the user interface thread, then starts the worker.
    void Execute() override;
    void Cancel() override;

    // How long to wait for an address from DHCP, and the TCP connect time-out.
    void SetDhcpWaitLimit(int AMs) { FDhcpWaitLimitMs = AMs; }
    void SetConnectTimeout(int AMs) { FConnectTimeoutMs = AMs; }

protected:
    void DoExecute() override;

private:
    void CheckLAN();
    // The Ethernet address and port from the register's tables, after waiting
    // for DHCP when the address is not static.
    void ReadEthernetAddress(QString &address, int &port);

    bool FIsRNDIS = false;
    QString FRNDISAddress;
    int FRNDISPort = 0;
    int FDhcpWaitLimitMs = 60000;
    int FConnectTimeoutMs = 10000;
};
