// Status queries: register state, device metrics, model parameters, registers.
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"

namespace emu {
namespace {

void setModeOutputs(Context &c)
{
    const RegisterState &s = c.state;
    c.call.set(P::ECRMode, s.ecrMode);
    c.call.set(P::ECRModeDescription, modeDescription(s.ecrMode & 0x0F));
    c.call.set(P::ECRAdvancedMode, s.advancedMode);
    c.call.set(P::ECRAdvancedModeDescription, advancedModeDescription(s.advancedMode));
    c.call.set(P::ECRModeStatus, s.modeStatus);
}

// Flag word of the register and the booleans it holds, bit for bit.
void setFlagOutputs(Context &c)
{
    const RegisterState &s = c.state;
    const bool paper = !s.paperOut;
    const int flags = (paper ? 1 << 1 : 0)       // receipt roll
        | (s.pointPosition ? 1 << 4 : 0)         // two decimals in prices
        | (paper ? 1 << 7 : 0)                   // receipt optical sensor
        | (paper ? 1 << 9 : 0)                   // receipt head lever
        | (s.lidOpen ? 1 << 10 : 0)
        | (s.drawerOpen ? 1 << 11 : 0);
    c.call.set(P::ECRFlags, flags);
    c.call.set(P::JournalRibbonIsPresent, false);
    c.call.set(P::ReceiptRibbonIsPresent, paper);
    c.call.set(P::SlipDocumentIsPresent, false);
    c.call.set(P::SlipDocumentIsMoving, false);
    c.call.set(P::PointPosition, s.pointPosition);
    c.call.set(P::EKLZIsPresent, false);
    c.call.set(P::JournalRibbonOpticalSensor, false);
    c.call.set(P::ReceiptRibbonOpticalSensor, paper);
    c.call.set(P::JournalRibbonLever, false);
    c.call.set(P::ReceiptRibbonLever, paper);
    c.call.set(P::LidPositionSensor, s.lidOpen);
    c.call.set(P::IsDrawerOpen, s.drawerOpen);
    c.call.set(P::PresenterIn, false);
    c.call.set(P::PresenterOut, false);
    c.call.set(P::IsEKLZOverflow, false);
    c.call.set(P::QuantityPointPosition, false);
}

int getECRStatus(Context &c)
{
    const RegisterState &s = c.state;
    const ModelDef &m = c.model;
    setModeOutputs(c);
    setFlagOutputs(c);
    c.call.set(P::ECRSoftVersion, m.firmwareVersion);
    c.call.set(P::ECRBuild, m.firmwareBuild);
    c.call.set(P::ECRSoftDate, QDateTime(QDate::fromString(m.firmwareDate, Qt::ISODate), QTime(0, 0)));
    const QDateTime now = c.now();
    c.call.set(P::Date, QDateTime(now.date(), QTime(0, 0)));
    c.call.set(P::Time, now);
    c.call.set(P::LogicalNumber, s.logicalNumber);
    c.call.set(P::OpenDocumentNumber, s.documentNumber);
    c.call.set(P::PortNumber, 0);
    c.call.set(P::SerialNumber, s.serialNumber);
    c.call.set(P::SessionNumber, s.sessionNumber);
    c.call.set(P::INN, s.inn);
    const bool fm = !m.hasFiscalDrive;
    c.call.set(P::FMSoftVersion, fm ? m.firmwareVersion : QString());
    c.call.set(P::FMBuild, fm ? m.firmwareBuild : 0);
    c.call.set(P::FMSoftDate, fm ? QDateTime(QDate::fromString(m.firmwareDate, Qt::ISODate), QTime(0, 0)) : QDateTime());
    c.call.set(P::FMFlags, fm ? 0x03 : 0);
    c.call.set(P::FMFlagsEx, 0);
    c.call.set(P::FM1IsPresent, fm);
    c.call.set(P::FM2IsPresent, fm);
    c.call.set(P::IsBatteryLow, false);
    c.call.set(P::IsLastFMRecordCorrupted, false);
    c.call.set(P::IsFMSessionOpen, s.ecrMode == 2 || s.ecrMode == 3);
    c.call.set(P::IsFM24HoursOver, s.ecrMode == 3);
    c.call.set(P::FMOverflow, false);
    c.call.set(P::IsCorruptedFMRecords, false);
    c.call.set(P::IsCorruptedFiscalizationInfo, false);
    c.call.set(P::IsBlockedByWrongTaxPassword, false);
    c.call.set(P::IsASPDMode, false);
    c.call.set(P::LastFMRecordType, 0);
    c.call.set(P::RegistrationNumber, 0);
    c.call.set(P::FreeRegistration, fm ? 16 : 0);
    c.call.set(P::FreeRecordInFM, fm ? 2100 : 0);
    c.call.set(P::SKNOStatus, 0);
    return code::Ok;
}

int getShortECRStatus(Context &c)
{
    const RegisterState &s = c.state;
    setModeOutputs(c);
    setFlagOutputs(c);
    c.call.set(P::QuantityOfOperations, 0);
    c.call.set(P::BatteryVoltage, 3.02);
    c.call.set(P::PowerSourceVoltage, 24.1);
    c.call.set(P::PreviousECRMode, s.previousMode);
    c.call.set(P::PrinterHeadTemperature, 27);
    c.call.set(P::FMResultCode, 0);
    c.call.set(P::EKLZResultCode, 0);
    c.call.set(P::LastPrintResult, s.lastPrintResult);
    setUpdateKeysOutputs(c);
    return code::Ok;
}

int getDeviceMetrics(Context &c)
{
    const ModelDef &m = c.model;
    c.call.set(P::UCodePage, m.codePage);
    c.call.set(P::UCodePageText, m.codePageText);
    c.call.set(P::UDescription, m.description);
    c.call.set(P::UMajorProtocolVersion, m.majorProtocol);
    c.call.set(P::UMinorProtocolVersion, m.minorProtocol);
    c.call.set(P::UMajorType, m.majorType);
    c.call.set(P::UMinorType, m.minorType);
    c.call.set(P::UModel, m.id);
    // The model parameter list is read by index right after the metrics.
    c.call.set(P::ModelParamCount, static_cast<int>(m.params.size()));
    return code::Ok;
}

void setParamOutputs(Context &c, const ModelParamDef &p)
{
    c.call.set(P::ModelParamNumber, p.number);
    c.call.set(P::ModelParamDescription, p.description);
    c.call.set(P::ModelParamValue, p.value);
    c.call.set(P::ModelParamCount, static_cast<int>(c.model.params.size()));
}

int readModelParam(Context &c)
{
    const int index = c.call.i(P::ModelParamIndex);
    c.call.set(P::ModelParamCount, static_cast<int>(c.model.params.size()));
    if (index < 0 || index >= static_cast<int>(c.model.params.size()))
        return code::BadParameter;
    setParamOutputs(c, c.model.params[static_cast<std::size_t>(index)]);
    return code::Ok;
}

int readModelParamValue(Context &c)
{
    const ModelParamDef *p = c.param(c.call.i(P::ModelParamNumber));
    if (!p)
        return code::BadParameter;
    setParamOutputs(c, *p);
    return code::Ok;
}

int readErrorDescription(Context &c)
{
    const int n = c.call.i(P::ErrorCode);
    if (n < 0 || n > 255)
        return code::BadParameter;
    c.call.set(P::ErrorDescription, errorDescription(n));
    return code::Ok;
}

int readSerialNumber(Context &c)
{
    c.call.set(P::SerialNumber, c.state.serialNumber);
    return code::Ok;
}

// A factory number can be written once: only into a register that has none
// (empty or all zeros).
int setSerialNumber(Context &c)
{
    const QString serial = c.call.s(P::SerialNumber).trimmed();
    if (serial.isEmpty() || serial.size() > 20)
        return code::BadParameter;
    for (QChar ch : c.state.serialNumber)
        if (ch != u'0')
            return code::BadMode;
    c.state.serialNumber = serial;
    c.changed();
    return code::Ok;
}

int getCashReg(Context &c)
{
    const int n = c.call.i(P::RegisterNumber);
    if (n < 0 || n > 255)
        return 51;
    const auto it = c.state.cashRegisters.find(n);
    c.call.set(P::ContentsOfCashRegister, it == c.state.cashRegisters.end() ? 0 : it->second);
    c.call.set(P::NameCashReg, cashRegisterName(n));
    return code::Ok;
}

int getOperationReg(Context &c)
{
    const int n = c.call.i(P::RegisterNumber);
    if (n < 0 || n > 255)
        return 51;
    const auto it = c.state.operationRegisters.find(n);
    c.call.set(P::ContentsOfOperationRegister, static_cast<int>(it == c.state.operationRegisters.end() ? 0 : it->second));
    c.call.set(P::NameOperationReg, operationRegisterName(n));
    return code::Ok;
}

int getFontMetrics(Context &c)
{
    const int n = c.call.i(P::FontType);
    c.call.set(P::FontCount, static_cast<int>(c.model.fonts.size()));
    for (const auto &f : c.model.fonts) {
        if (f.number == n) {
            c.call.set(P::PrintWidth, f.printWidth);
            c.call.set(P::CharWidth, f.charWidth);
            c.call.set(P::CharHeight, f.charHeight);
            return code::Ok;
        }
    }
    return code::BadParameter;
}

int ok(Context &) { return code::Ok; }

} // namespace

void addStatusHandlers(HandlerTable &t)
{
    t.add(MethodId::GetECRStatus, getECRStatus);
    t.add(MethodId::GetShortECRStatus, getShortECRStatus);
    t.add(MethodId::GetDeviceMetrics, getDeviceMetrics);
    t.add(MethodId::ReadModelParam, readModelParam);
    t.add(MethodId::ReadModelParamValue, readModelParamValue);
    t.add(MethodId::ReadErrorDescription, readErrorDescription);
    t.add(MethodId::ReadSerialNumber, readSerialNumber);
    t.add(MethodId::SetSerialNumber, setSerialNumber);
    t.add(MethodId::GetCashReg, getCashReg);
    t.add(MethodId::GetOperationReg, getOperationReg);
    t.add(MethodId::GetFontMetrics, getFontMetrics);
    t.add(MethodId::Connect, ok);
    t.add(MethodId::Beep, ok);
}

} // namespace emu
