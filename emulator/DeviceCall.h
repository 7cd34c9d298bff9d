#pragma once
// One method call as the emulated register sees it: the inputs the component
// sent (defaults for the rest) and the outputs a handler sets.

#include "driver/FrameCodec.h"

#include <QDateTime>

#include <vector>

namespace emu {

using kassio::MethodId;
using P = kassio::PropId;

class DeviceCall
{
public:
    DeviceCall(MethodId method, const kassio::PropList &inputs);

    MethodId method() const { return m_method; }

    const QVariant &value(P id) const { return m_values[index(id)]; }
    int i(P id) const { return value(id).toInt(); }
    QString s(P id) const { return value(id).toString(); }
    bool b(P id) const { return value(id).toBool(); }
    qint64 cur(P id) const { return value(id).toLongLong(); }
    double d(P id) const { return value(id).toDouble(); }
    QDateTime dt(P id) const { return value(id).toDateTime(); }
    QByteArray bytes(P id) const { return value(id).toByteArray(); }
    // True when the caller assigned the input since its previous call.
    bool fresh(P id) const { return m_fresh[index(id)]; }

    // Sets an output; the value is converted to the property's type.
    void set(P id, const QVariant &v);
    kassio::PropList outputs() const;

private:
    static std::size_t index(P id) { return static_cast<std::size_t>(id); }
    MethodId m_method;
    std::vector<QVariant> m_values;
    std::vector<bool> m_fresh;
    std::vector<bool> m_written;
};

} // namespace emu
