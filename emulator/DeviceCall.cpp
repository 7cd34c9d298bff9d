#include "emulator/DeviceCall.h"

namespace emu {

DeviceCall::DeviceCall(MethodId method, const kassio::PropList &inputs)
    : m_method(method), m_fresh(kassio::PropCount, false), m_written(kassio::PropCount, false)
{
    m_values.reserve(kassio::PropCount);
    for (std::size_t i = 0; i < kassio::PropCount; ++i)
        m_values.push_back(kassio::propDefault(static_cast<P>(i)));
    for (const auto &in : inputs) {
        m_values[index(in.id)] = in.value;
        m_fresh[index(in.id)] = in.fresh;
    }
}

void DeviceCall::set(P id, const QVariant &v)
{
    const auto converted = kassio::coerce(id, v);
    m_values[index(id)] = converted ? *converted : kassio::propDefault(id);
    m_written[index(id)] = true;
}

kassio::PropList DeviceCall::outputs() const
{
    kassio::PropList out;
    for (std::size_t i = 0; i < kassio::PropCount; ++i)
        if (m_written[i])
            out.push_back({static_cast<P>(i), m_values[i], false});
    return out;
}

} // namespace emu
