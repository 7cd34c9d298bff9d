#include "driver/KassioMembers.h"

#include <QDateTime>

#include <unordered_map>

namespace kassio {
namespace {

constexpr PropInfo kProps[] = {
#define KASSIO_PROPERTY(Name, Type, Acc, Default) {#Name, ValueType::Type, Access::Acc},
#include "driver/KassioMembers.def"
};
static_assert(std::size(kProps) == PropCount);

constexpr std::string_view kMethods[] = {
#define KASSIO_METHOD(Name) #Name,
#include "driver/KassioMembers.def"
};
static_assert(std::size(kMethods) == MethodCount);

// Typed defaults, built the same way TKassio's members are initialised.
using IntT = int;
using StrT = QString;
using BoolT = bool;
using CurrT = qint64;
using DateT = QDateTime;
using DblT = double;
using BytesT = QByteArray;
using VarT = QVariant;

template <typename T>
QVariant asVariant(const T &v) { return QVariant::fromValue(v); }
inline QVariant asVariant(const QVariant &v) { return v; }

const std::vector<QVariant> &defaults()
{
    static const std::vector<QVariant> values = {
#define KASSIO_PROPERTY(Name, Type, Acc, Default) [] { Type##T v = Default; return asVariant(v); }(),
#include "driver/KassioMembers.def"
    };
    return values;
}

} // namespace

const PropInfo &propInfo(PropId id) { return kProps[static_cast<std::size_t>(id)]; }

std::string_view methodName(MethodId id) { return kMethods[static_cast<std::size_t>(id)]; }

const QVariant &propDefault(PropId id) { return defaults()[static_cast<std::size_t>(id)]; }

std::optional<PropId> findProp(std::string_view name)
{
    static const auto index = [] {
        std::unordered_map<std::string_view, PropId> m;
        for (std::size_t i = 0; i < PropCount; ++i)
            m.emplace(kProps[i].name, static_cast<PropId>(i));
        return m;
    }();
    const auto it = index.find(name);
    if (it == index.end())
        return std::nullopt;
    return it->second;
}

std::optional<MethodId> findMethod(std::string_view name)
{
    static const auto index = [] {
        std::unordered_map<std::string_view, MethodId> m;
        for (std::size_t i = 0; i < MethodCount; ++i)
            m.emplace(kMethods[i], static_cast<MethodId>(i));
        return m;
    }();
    const auto it = index.find(name);
    if (it == index.end())
        return std::nullopt;
    return it->second;
}

std::optional<QVariant> coerce(PropId id, const QVariant &v)
{
    switch (propInfo(id).type) {
    case ValueType::Int: {
        if (v.typeId() == QMetaType::Bool)
            return QVariant(v.toBool() ? 1 : 0);
        bool ok = false;
        const qlonglong n = v.typeId() == QMetaType::QString ? v.toString().trimmed().toLongLong(&ok)
                                                             : v.toLongLong(&ok);
        // Integer properties are 32-bit; unsigned values (document numbers) wrap.
        if (!ok || n < -2147483648LL || n > 4294967295LL)
            return std::nullopt;
        return QVariant(static_cast<int>(static_cast<quint32>(n)));
    }
    case ValueType::Str:
        return QVariant(v.toString());
    case ValueType::Bool: {
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString().trimmed().toLower();
            if (s == u"1" || s == u"true" || s == u"да")
                return QVariant(true);
            if (s == u"0" || s == u"false" || s == u"нет")
                return QVariant(false);
            return std::nullopt;
        }
        return QVariant(v.toBool());
    }
    case ValueType::Curr: {
        if (v.typeId() == QMetaType::QString) {
            // Text is an amount ("12.34"); anything else is already ten-thousandths.
            bool ok = false;
            const double d = v.toString().trimmed().replace(u',', u'.').toDouble(&ok);
            if (!ok)
                return std::nullopt;
            return QVariant(static_cast<qint64>(d * 10000.0 + (d < 0 ? -0.5 : 0.5)));
        }
        bool ok = false;
        const qint64 n = v.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return QVariant(n);
    }
    case ValueType::Date: {
        if (v.typeId() == QMetaType::QDateTime)
            return v;
        if (v.typeId() == QMetaType::QDate)
            return QVariant(QDateTime(v.toDate(), QTime(0, 0)));
        const QString s = v.toString().trimmed();
        QDateTime dt = QDateTime::fromString(s, Qt::ISODate);
        if (!dt.isValid())
            dt = QDateTime::fromString(s, QStringLiteral("dd.MM.yyyy hh:mm:ss"));
        if (!dt.isValid())
            dt = QDateTime(QDate::fromString(s, QStringLiteral("dd.MM.yyyy")), QTime(0, 0));
        if (!dt.isValid())
            return std::nullopt;
        return QVariant(dt);
    }
    case ValueType::Dbl: {
        bool ok = false;
        const double d = v.typeId() == QMetaType::QString
            ? v.toString().trimmed().replace(u',', u'.').toDouble(&ok)
            : v.toDouble(&ok);
        if (!ok)
            return std::nullopt;
        return QVariant(d);
    }
    case ValueType::Bytes:
        if (v.typeId() == QMetaType::QByteArray)
            return v;
        return QVariant(v.toString().toLatin1());
    case ValueType::Var:
        return v;
    }
    return std::nullopt;
}

} // namespace kassio
