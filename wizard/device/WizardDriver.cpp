#include "wizard/device/WizardDriver.h"
#include "wizard/shell/WizardErrors.h"

#include <QElapsedTimer>
#include <QThread>

#include <memory>

namespace {

constexpr int NoSuchTable = 93;

std::unique_ptr<TKassio> &instance()
{
    static std::unique_ptr<TKassio> driver;
    return driver;
}

bool isBusy(int code)
{
    return code == 80 || code == 75;
}

void selectField(int table, int row, int field)
{
    TKassio &d = WizardDriver();
    d.TableNumber = ResolveTableNumber(table);
    d.RowNumber = row;
    d.FieldNumber = field;
}

// ReadTable of a field; false for code 93 when tolerant, other errors raise.
bool readField(int table, int row, int field, bool tolerant)
{
    selectField(table, row, field);
    const int code = WizardDriver().ReadTable();
    if (tolerant && code == NoSuchTable)
        return false;
    CheckResult(code);
    return true;
}

} // namespace

void CreateWizardDriver()
{
    if (instance())
        return;
    instance() = std::make_unique<TKassio>();
    instance()->OFDExchangeSuspended = true;
}

void FreeWizardDriver()
{
    instance().reset();
}

bool WizardDriverExists()
{
    return instance() != nullptr;
}

TKassio &WizardDriver()
{
    CreateWizardDriver();
    return *instance();
}

void CheckResult(int code)
{
    if (code == 0)
        return;
    throw EWizardError(QStringLiteral("Ошибка %1, %2").arg(code).arg(WizardDriver().ResultCodeDescription));
}

TDisconnectOnExit::~TDisconnectOnExit()
{
    if (WizardDriverExists())
        WizardDriver().Disconnect();
}

int ResolveTableNumber(int table)
{
    int param = 0;
    switch (table) {
    case 18: param = 72; break;
    case 19: param = 73; break;
    case 24: param = 75; break;
    default: return table;
    }
    TKassio &d = WizardDriver();
    d.ModelParamNumber = param;
    CheckResult(d.ReadModelParamValue());
    return d.ModelParamValue.toInt();
}

QString TableReadStr(int table, int row, int field)
{
    readField(table, row, field, false);
    return WizardDriver().ValueOfFieldString;
}

int TableReadInt(int table, int row, int field)
{
    readField(table, row, field, false);
    return WizardDriver().ValueOfFieldInteger;
}

QString TableReadStrDef(int table, int row, int field)
{
    return readField(table, row, field, true) ? WizardDriver().ValueOfFieldString : QString();
}

int TableReadIntDef(int table, int row, int field)
{
    return readField(table, row, field, true) ? WizardDriver().ValueOfFieldInteger : 0;
}

void TableWriteStr(int table, int row, int field, const QString &text)
{
    selectField(table, row, field);
    TKassio &d = WizardDriver();
    d.ValueOfFieldString = text;
    CheckResult(d.WriteTable());
}

void TableWriteInt(int table, int row, int field, int value)
{
    selectField(table, row, field);
    TKassio &d = WizardDriver();
    CheckResult(d.GetFieldStruct());
    if (d.FieldType)
        d.ValueOfFieldString = QString::number(value);
    else
        d.ValueOfFieldInteger = value;
    CheckResult(d.WriteTable());
}

void TableWriteIntRow1(int table, int field, int value)
{
    selectField(table, 1, field);
    TKassio &d = WizardDriver();
    d.ValueOfFieldInteger = value;
    CheckResult(d.WriteTable());
}

bool ModelParam28NotTrue()
{
    TKassio &d = WizardDriver();
    d.ModelParamNumber = 28;
    // A failed read must not leave the previous parameter's value to decide.
    d.ModelParamValue = QVariant();
    d.ReadModelParamValue();
    const QVariant &v = d.ModelParamValue;
    return !(v.typeId() == QMetaType::Bool && v.toBool());
}

bool UsesTable10()
{
    CheckResult(WizardDriver().GetDeviceMetrics());
    return ModelParam28NotTrue();
}

bool IsModel19()
{
    CheckResult(WizardDriver().GetDeviceMetrics());
    return WizardDriver().UModel == 19;
}

int ReadDeviceFFD()
{
    return UsesTable10() ? TableReadInt(10, 1, 4) : TableReadInt(17, 1, 17);
}

void WriteDeviceFFD(int value)
{
    if (UsesTable10()) {
        // This kind stores "FFD 1.0 new" as 0.
        TableWriteInt(10, 1, 29, value == 1 ? 0 : value);
        return;
    }
    TableWriteInt(17, 1, 17, value);
    if (value > 0)
        TableWriteInt(17, 1, 3, 2);
}

void SendTagString(int tag, const QString &text)
{
    TKassio &d = WizardDriver();
    d.TagNumber = tag;
    d.TagValueStr = text;
    d.TagType = 7;
    CallWhileBusy(&TKassio::FNSendTag);
}

void SendTagByte(int tag, int value)
{
    TKassio &d = WizardDriver();
    d.TagNumber = tag;
    d.TagValueInt = value;
    d.TagType = 0;
    CallWhileBusy(&TKassio::FNSendTag);
}

void CallWhileBusy(TKassioMethod method)
{
    TKassio &d = WizardDriver();
    QElapsedTimer clock;
    clock.start();
    int code = (d.*method)();
    while (isBusy(code) && clock.elapsed() + BusyPauseMs <= BusyWaitLimitMs) {
        QThread::msleep(BusyPauseMs);
        code = (d.*method)();
    }
    CheckResult(code);
}
