// Service commands: reset, clock, exchange parameters, raw command bytes.
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"

#include <QJsonObject>

namespace emu {
namespace {

int resetECR(Context &c)
{
    RegisterState &s = c.state;
    s.previousMode = s.ecrMode;
    if (s.ecrMode == 8) // an open document is cancelled
        s.ecrMode = 2;
    s.advancedMode = s.paperOut ? 1 : 0;
    s.modeStatus = 0;
    c.changed();
    return code::Ok;
}

int setDate(Context &c)
{
    const QDate date = c.call.dt(P::Date).date();
    if (!date.isValid())
        return code::BadParameter;
    const QDateTime now = c.now();
    c.state.clockOffsetMs += QDateTime(now.date(), QTime(0, 0)).msecsTo(QDateTime(date, QTime(0, 0)));
    c.changed();
    return code::Ok;
}

int setTime(Context &c)
{
    const QTime time = c.call.dt(P::Time).time();
    if (!time.isValid())
        return code::BadParameter;
    const QDateTime now = c.now();
    c.state.clockOffsetMs += now.msecsTo(QDateTime(now.date(), time));
    c.changed();
    return code::Ok;
}

int confirmDate(Context &) { return code::Ok; }

// Exchange parameters per interface: baud code, timeout, TCP port.
int getExchangeParam(Context &c)
{
    const QJsonObject all = c.state.sections.value(u"exchange").toObject();
    const QJsonObject p = all.value(QString::number(c.call.i(P::PortNumber))).toObject();
    c.call.set(P::BaudRate, p.value(u"baud").toInt(6));
    c.call.set(P::Timeout, p.value(u"timeout").toInt(150));
    c.call.set(P::TCPPort, p.value(u"tcpPort").toInt(7778));
    return code::Ok;
}

int setExchangeParam(Context &c)
{
    const int baud = c.call.i(P::BaudRate);
    if (baud < 0 || baud > 9)
        return code::BadParameter;
    QJsonObject all = c.state.sections.value(u"exchange").toObject();
    QJsonObject p;
    p.insert(u"baud", baud);
    p.insert(u"timeout", c.call.i(P::Timeout));
    p.insert(u"tcpPort", c.call.i(P::TCPPort));
    all.insert(QString::number(c.call.i(P::PortNumber)), p);
    c.state.sections.insert(u"exchange", all);
    c.changed();
    return code::Ok;
}

// Raw command bytes: a few commands answer, every other code is unsupported.
int exchangeBytes(Context &c)
{
    const QByteArray in = QByteArray::fromHex(c.call.s(P::TransferBytes).toLatin1());
    if (in.isEmpty())
        return code::BadParameter;
    const auto command = static_cast<std::uint8_t>(in[0]);
    QByteArray answer;
    answer.append(static_cast<char>(command));
    answer.append('\0'); // error code
    switch (command) {
    case 0x10: // short status
        answer.append(static_cast<char>(c.call.i(P::Password) & 0xFF));
        answer.append(static_cast<char>(c.state.ecrMode));
        answer.append(static_cast<char>(c.state.advancedMode));
        break;
    case 0x13: // beep
        break;
    case 0xFC: // device type
        answer.append(static_cast<char>(c.model.majorType));
        answer.append(static_cast<char>(c.model.minorType));
        answer.append(static_cast<char>(c.model.majorProtocol));
        answer.append(static_cast<char>(c.model.minorProtocol));
        answer.append(static_cast<char>(c.model.id));
        answer.append(c.model.description.toLocal8Bit());
        break;
    case 0xFE: // service commands: FE E1 updates the drive's check keys
        if (in.size() >= 2 && static_cast<std::uint8_t>(in[1]) == 0xE1 && fnUpdateKeysCommand(c, answer))
            break;
        [[fallthrough]];
    default:
        // Like a register: the command byte and the error code come back.
        answer[1] = static_cast<char>(code::NotSupported);
        c.call.set(P::TransferBytes, QString::fromLatin1(answer.toHex(' ').toUpper()));
        return code::NotSupported;
    }
    c.call.set(P::TransferBytes, QString::fromLatin1(answer.toHex(' ').toUpper()));
    return code::Ok;
}

int openDrawer(Context &c)
{
    c.state.drawerOpen = true;
    c.changed();
    return code::Ok;
}

} // namespace

void addServiceHandlers(HandlerTable &t)
{
    t.add(MethodId::ResetECR, resetECR);
    t.add(MethodId::SetDate, setDate);
    t.add(MethodId::SetTime, setTime);
    t.add(MethodId::ConfirmDate, confirmDate);
    t.add(MethodId::GetExchangeParam, getExchangeParam);
    t.add(MethodId::SetExchangeParam, setExchangeParam);
    t.add(MethodId::ExchangeBytes, exchangeBytes);
    t.add(MethodId::OpenDrawer, openDrawer);
}

} // namespace emu
