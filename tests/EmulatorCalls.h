#pragma once
// Calls straight into an emulated register, without a link: a request from
// a method and its inputs, and an output of the reply by property.

#include "emulator/EmulatedRegister.h"

#include <QVariant>

namespace emutest {

inline kassio::Reply run(emu::EmulatedRegister &r, kassio::MethodId m, kassio::PropList props = {})
{
    kassio::Request req;
    req.method = m;
    req.props = std::move(props);
    return r.execute(req);
}

inline QVariant output(const kassio::Reply &reply, kassio::PropId id)
{
    for (const auto &p : reply.props)
        if (p.id == id)
            return p.value;
    return {};
}

} // namespace emutest
