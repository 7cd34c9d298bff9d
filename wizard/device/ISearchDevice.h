#pragma once
// A search for a register on one serial port, as the device search page
// drives it: start, stop, and poll its state from a timer.

#include <QString>

#include <memory>
#include <vector>

struct TSearchParamsRec
{
    int PortNumber = 0; // COM number
    int Baudrate = 0;   // after a successful search: the rate the register answered at
    int Timeout = 0;    // ms
};

struct TSearchState
{
    bool Finished = false;
    bool Succeded = false;
    QString Text; // progress or result line for the user
    int DeviceID = 0; // model code of the register found
    bool Added = false; // the page has listed this result
};

class ISearchDevice
{
public:
    virtual ~ISearchDevice() = default;
    // Starts the search on a worker thread; a search may be started again.
    virtual void Search() = 0;
    // Asks the search to stop and returns at once.
    virtual void Stop() = 0;
    // Marks the result as listed by the page.
    virtual void Added() = 0;
    virtual QString GetName() const = 0;
    virtual QString GetSerial() const = 0;
    // A consistent copy, safe to take while the worker runs.
    virtual TSearchState GetState() const = 0;
    virtual TSearchParamsRec GetParams() const = 0;
    virtual void SetParams(const TSearchParamsRec &Value) = 0;
    virtual std::vector<int> GetBaudrates() const = 0;
};

using TSearchDevices = std::vector<std::shared_ptr<ISearchDevice>>;
