#include "emulator/RegisterState.h"

#include <QJsonArray>

namespace emu {
namespace {

QString keyText(const TableKey &k) { return QStringLiteral("%1.%2.%3").arg(k.table).arg(k.row).arg(k.field); }

TableKey keyFrom(const QString &s)
{
    const auto parts = s.split(u'.');
    if (parts.size() != 3)
        return {};
    return {parts[0].toInt(), parts[1].toInt(), parts[2].toInt()};
}

template <typename Map>
QJsonObject registersToJson(const Map &m)
{
    QJsonObject o;
    for (const auto &[n, v] : m)
        o.insert(QString::number(n), QString::number(v)); // text keeps 64 bits exact
    return o;
}

template <typename Map>
void registersFromJson(const QJsonObject &o, Map &m)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        m[it.key().toInt()] = it.value().toString().toLongLong();
}

} // namespace

QJsonObject RegisterState::toJson() const
{
    QJsonObject o;
    o.insert(u"modelId", modelId);
    o.insert(u"serialNumber", serialNumber);
    o.insert(u"ecrMode", ecrMode);
    o.insert(u"advancedMode", advancedMode);
    o.insert(u"modeStatus", modeStatus);
    o.insert(u"previousMode", previousMode);
    o.insert(u"logicalNumber", logicalNumber);
    o.insert(u"sessionNumber", sessionNumber);
    o.insert(u"documentNumber", documentNumber);
    o.insert(u"clockOffsetMs", QString::number(clockOffsetMs));
    o.insert(u"paperOut", paperOut);
    o.insert(u"drawerOpen", drawerOpen);
    o.insert(u"lidOpen", lidOpen);
    o.insert(u"pointPosition", pointPosition);
    o.insert(u"lastPrintResult", lastPrintResult);
    o.insert(u"inn", inn);
    QJsonObject tables;
    for (const auto &[k, v] : tableValues)
        tables.insert(keyText(k), v.typeId() == QMetaType::QString ? QJsonValue(v.toString())
                                                                    : QJsonValue(QString::number(v.toLongLong()).prepend(u'#')));
    o.insert(u"tables", tables);
    o.insert(u"cashRegisters", registersToJson(cashRegisters));
    o.insert(u"operationRegisters", registersToJson(operationRegisters));
    QJsonArray faultList;
    for (const auto &f : faults)
        {
        QJsonObject fo;
        fo.insert(u"method", f.method);
        fo.insert(u"code", f.code);
        fo.insert(u"remaining", f.remaining);
        faultList.append(fo);
    }
    o.insert(u"faults", faultList);
    o.insert(u"sections", sections);
    return o;
}

RegisterState RegisterState::fromJson(const QJsonObject &o)
{
    RegisterState s;
    s.modelId = o.value(u"modelId").toInt();
    s.serialNumber = o.value(u"serialNumber").toString();
    s.ecrMode = o.value(u"ecrMode").toInt(4);
    s.advancedMode = o.value(u"advancedMode").toInt();
    s.modeStatus = o.value(u"modeStatus").toInt();
    s.previousMode = o.value(u"previousMode").toInt();
    s.logicalNumber = o.value(u"logicalNumber").toInt(1);
    s.sessionNumber = o.value(u"sessionNumber").toInt();
    s.documentNumber = o.value(u"documentNumber").toInt();
    s.clockOffsetMs = o.value(u"clockOffsetMs").toString().toLongLong();
    s.paperOut = o.value(u"paperOut").toBool();
    s.drawerOpen = o.value(u"drawerOpen").toBool();
    s.lidOpen = o.value(u"lidOpen").toBool();
    s.pointPosition = o.value(u"pointPosition").toBool(true);
    s.lastPrintResult = o.value(u"lastPrintResult").toInt();
    s.inn = o.value(u"inn").toString();
    const QJsonObject tables = o.value(u"tables").toObject();
    for (auto it = tables.begin(); it != tables.end(); ++it) {
        const QString v = it.value().toString();
        // Numbers are stored as "#123" so a text field holding digits stays text.
        s.tableValues[keyFrom(it.key())] = v.startsWith(u'#') ? QVariant(v.mid(1).toLongLong()) : QVariant(v);
    }
    registersFromJson(o.value(u"cashRegisters").toObject(), s.cashRegisters);
    registersFromJson(o.value(u"operationRegisters").toObject(), s.operationRegisters);
    for (const auto &f : o.value(u"faults").toArray()) {
        const QJsonObject fo = f.toObject();
        s.faults.push_back({fo.value(u"method").toString(), fo.value(u"code").toInt(), fo.value(u"remaining").toInt()});
    }
    s.sections = o.value(u"sections").toObject();
    return s;
}

} // namespace emu
