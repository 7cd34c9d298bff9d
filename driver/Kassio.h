#pragma once
// TKassio: the fiscal register driver component. One calling pattern serves
// every operation: set input properties, call a method (it returns the result
// code, also kept in ResultCode), read output properties. ECRInput/ECROutput
// hold the last frames as hexadecimal text. Failures are result codes, never
// exceptions. An instance is not thread-safe; separate instances on separate
// threads are, and each opens its own link.

#include "driver/KassioMembers.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace kassio {
class Link;
namespace detail {
using IntT = int;
using StrT = QString;
using BoolT = bool;
using CurrT = qint64;
using DateT = QDateTime;
using DblT = double;
using BytesT = QByteArray;
using VarT = QVariant;
} // namespace detail
} // namespace kassio

class TKassio
{
public:
    // Loads the component's settings (connection, password, port map).
    TKassio();
    virtual ~TKassio();
    TKassio(const TKassio &) = delete;
    TKassio &operator=(const TKassio &) = delete;

#define KASSIO_PROPERTY(Name, Type, Access, Default) kassio::detail::Type##T Name = Default;
#include "driver/KassioMembers.def"

#define KASSIO_METHOD(Name) int Name();
#include "driver/KassioMembers.def"

    // Generic access by id, for codecs, consoles and logs.
    QVariant property(kassio::PropId id) const;
    // False when the value cannot be converted to the property's type.
    bool setProperty(kassio::PropId id, const QVariant &value);
    int call(kassio::MethodId id);

    // Puts the connection properties and the password back to the stored
    // settings (what ShowProperties saves).
    void loadSettings();
    void saveSettings() const;

    // Hook that ShowProperties uses when no dialog can be shown (tests, consoles).
    using PropertiesDialogHook = std::function<int(TKassio &)>;
    static void setPropertiesDialogHook(PropertiesDialogHook hook);

private:
    int exchange(kassio::MethodId id);
    int localCall(kassio::MethodId id, bool &handled);
    int finish(int code, const QString &description);
    int openLink();
    void closeLink();

    std::unique_ptr<kassio::Link> m_link;
    QString m_linkKey; // the settings the open link was made from
    std::uint16_t m_sequence = 0;
    // The inputs as last sent, so those assigned since are marked fresh.
    std::vector<QVariant> m_lastInputs;
};
