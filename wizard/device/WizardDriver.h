#pragma once
// The wizard's access to the register: one shared driver instance and the
// functions every page uses with it. A non-zero result code becomes an
// EWizardError "Ошибка <code>, <description>". Logical tables 18, 19 and 24
// are resolved through model parameters 72, 73 and 75.

#include "driver/Kassio.h"

#include <QString>

// The shared instance; made on first use when the start page has not made it.
TKassio &WizardDriver();
bool WizardDriverExists();
void CreateWizardDriver();
void FreeWizardDriver();

void CheckResult(int code);

// Ends a piece of driver work with Disconnect, also when it fails, so the
// port is free between steps.
class TDisconnectOnExit
{
public:
    TDisconnectOnExit() = default;
    ~TDisconnectOnExit();
    TDisconnectOnExit(const TDisconnectOnExit &) = delete;
    TDisconnectOnExit &operator=(const TDisconnectOnExit &) = delete;
};

int ResolveTableNumber(int table);
QString TableReadStr(int table, int row, int field);
int TableReadInt(int table, int row, int field);
// Like the reads above, but a table or field the register does not have
// (code 93) gives an empty text or 0.
QString TableReadStrDef(int table, int row, int field);
int TableReadIntDef(int table, int row, int field);
void TableWriteStr(int table, int row, int field, const QString &text);
// Asks the field's type first: a text field gets the value as decimal text.
void TableWriteInt(int table, int row, int field, int value);
void TableWriteIntRow1(int table, int field, int value);

bool ModelParam28NotTrue();
bool UsesTable10();
bool IsModel19();
int ReadDeviceFFD();
void WriteDeviceFFD(int value);

void SendTagString(int tag, const QString &text);
void SendTagByte(int tag, int value);

using TKassioMethod = int (TKassio::*)();
// Calls the method again while the register answers busy (80 or 75), with
// short pauses, for at most BusyWaitLimitMs in all; then checks the last result.
inline constexpr int BusyWaitLimitMs = 3000;
inline constexpr int BusyPauseMs = 50;
void CallWhileBusy(TKassioMethod method);
