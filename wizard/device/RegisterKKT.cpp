#include "wizard/device/RegisterKKT.h"
#include "wizard/device/WizardDriver.h"

#include <utility>

namespace {

// The registration data as text fields of the FN table.
void writeRegistrationTexts(const TRegParams &r)
{
    const std::pair<int, const QString *> fields[] = {
        {7, &r.User},        {8, &r.Cashier},       {9, &r.Address},
        {10, &r.OFDName},    {11, &r.OFDUrl},       {12, &r.OFDINN},
        {13, &r.TaxOfficeURL}, {14, &r.PayPlace},   {15, &r.SenderEmail},
    };
    for (const auto &[field, text] : fields)
        TableWriteStr(18, 1, field, *text);
}

void writeWorkModeData(const TRegParams &r, bool table10)
{
    const bool automat = r.WorkMode & (1u << 2);
    if (table10) {
        TableWriteInt(13, 1, 21, r.WorkModeEx);
        if (automat)
            TableWriteStr(16, 1, 1, r.AutomatNumber);
        return;
    }
    if (r.FFD == 2)
        TableWriteInt(18, 1, 16, r.Agent);
    TableWriteInt(18, 1, 21, r.WorkModeEx);
    if (automat)
        TableWriteStr(24, 1, 1, r.AutomatNumber);
}

void writeOFDSettings(const TRegParams &r)
{
    // A register without an OFD table (model parameter 73 is 0) has no
    // place for either server.
    if (!r.OFDEnabled)
        return;
    TableWriteStr(19, 1, 1, r.OFDServer);
    TableWriteInt(19, 1, 2, r.OFDPort);
    if (r.FFD == 4) {
        TableWriteStr(19, 1, 5, r.ServerKM);
        TableWriteInt(19, 1, 6, r.PortKM);
    }
}

// The document itself, from its beginning to the report.
void buildReport(const TRegParams &r, bool table10)
{
    TKassio &d = WizardDriver();
    CallWhileBusy(&TKassio::FNBeginRegistrationReport);
    if (!r.CashierINN.isEmpty())
        SendTagString(1203, r.CashierINN);
    if (r.FFD == 2 && r.Agent != 0 && table10)
        SendTagByte(1057, r.Agent);
    if (!r.FirstTime && r.FFD > 2)
        TableWriteIntRow1(table10 ? 13 : 18, 22, static_cast<int>(r.ReasonCodesEx));
    d.INN = r.INN;
    d.KKTRegistrationNumber = r.RNM;
    d.TaxType = r.TaxSystem;
    d.WorkMode = r.WorkMode;
    d.RegistrationReasonCode = r.NewFN ? 1 : r.ReasonCode;
    d.WaitForPrinting(); // only lets the printer finish; its result does not matter
    // A new FN in a register of the table-17 kind starts with a registration
    // report of its own; the table-10 kind re-registers it.
    const bool registration = r.FirstTime || (r.NewFN && !table10);
    CallWhileBusy(registration ? &TKassio::FNBuildRegistrationReport : &TKassio::FNBuildReregistrationReport);
}

} // namespace

int RegistrationReportType(const TRegParams &r)
{
    if (r.FirstTime)
        return 0;
    return r.NewFN ? 1 : 2;
}

void RegisterKKT(const TRegParams &r)
{
    TKassio &d = WizardDriver();
    d.Timeout = 10000;
    const bool table10 = UsesTable10();
    if (table10)
        TableWriteInt(10, 1, 32, 1);
    WriteDeviceFFD(r.FFD);
    writeRegistrationTexts(r);
    writeWorkModeData(r, table10);
    writeOFDSettings(r);
    d.ReportTypeInt = RegistrationReportType(r);
    try {
        buildReport(r, table10);
    } catch (...) {
        // No half-built registration document may stay open in the FN.
        d.FNCancelDocument();
        throw;
    }
}
