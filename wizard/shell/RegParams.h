#pragma once
// The registration parameters record: filled page by page, sent to the
// register by the registration step and read back from it afterwards.
// Bit sets hold 255 while nothing has been chosen.

#include <QDateTime>
#include <QString>

#include <cstdint>

struct TRegParams
{
    bool FirstTime = false;
    bool OFDEnabled = false;
    bool NewFN = false;
    QString INN;
    QString RNM;
    QString User;
    QString Cashier;
    QString Address;
    quint8 TaxSystem = 255;  // bit 0 ОСН, 1 УСН доход, 2 УСН доход минус расход, 3 ЕНВД, 4 ЕСХН, 5 ПСН
    quint8 Agent = 255;      // bits 0-6: agent kinds
    quint8 WorkMode = 255;   // bits 0-7: encryption ... wholesale
    quint8 WorkModeEx = 255; // bits 0-7: excise goods ... vending automat
    QString AutomatNumber;
    int ReasonCode = 255;    // 1 FN, 2 OFD, 3 details, 4 settings
    int FFD = 255;           // 0 1.0 beta, 1 1.0 new, 2 1.05, 3 1.1, 4 1.2
    QString TaxOfficeURL;
    QString SenderEmail;
    QString PayPlace;
    QString OFDName;
    QString OFDUrl;
    QString OFDINN;
    QString OFDServer;
    int OFDPort = 0;
    QString CashierINN;
    QString X5FactoryCode;
    int DocType = 0;
    bool PrinterInAutomat = false;
    QString FNSerial;
    QString KKTSerial;
    QDateTime DateTime;
    int DocNumber = 0;
    QString FiscalSign;
    QString VersionKKT;
    bool LotterySign = false;
    bool GameSign = false;
    bool ExciseSign = false;
    bool DeliveryTradeSign = false;
    bool PayTerminalSign = false;
    quint32 ReasonCodesEx = 0; // bit i: code i + 1 of the reason codes dialog
    QString ServerKM;
    int PortKM = 0;
};
