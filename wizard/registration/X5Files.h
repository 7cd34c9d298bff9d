#pragma once
// The X5 customer's text files: the register's identity written for the
// customer, the registration data file the customer prepares, and the reports
// written after a registration and after closing the FN archive. One
// attribute a line, in code page 1251 (the customer's Windows code page),
// lines ended by CR LF.
//
// Every function reports a problem by raising ERegDataError with a message
// for the user; nothing is half done: a read fills the record only when the
// whole file is right, a write replaces the file only when all of it is
// written.

#include "wizard/shell/RegParams.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// The register's identity for the customer (document type 4).
struct TX5KKTParamsRec
{
    QString FactoryCode;
    QString KKTSerial;
    QString KKTModel;
    QString FNSerial;
    QString FNModel;        // "1", "1.05" or "1.1", see X5FNModel
    QString KKTModelNumber; // the model code in decimal
    QString AutomatNumber;
};

// What the archive closing report holds (document type 3).
struct TX5CloseFNRec
{
    QString UserName;
    QString Address;
    QString PayPlace;
    QString INN;
    QString RNM;
    QString KKTSerial;
    int FFD = 0;
    int SessionNumber = 0;
    QString Cashier;
    QString CashierINN;
    QString FNSerial;
    QDateTime DateTime;
    int DocNumber = 0;
    QString FiscalSign;
};

// Document types of the X5 file names.
enum TX5DocType { X5Registration = 1, X5Reregistration = 2, X5CloseFN = 3, X5KKTParams = 4 };

// The fixed values of the customer's registrations: the tax service's site
// and the sender address of receipts (they prefill the X5 page and fill two
// lines of the registration report).
QString X5TaxServiceSite();
QString X5SenderEmail();

// The FN model written after "ФН-" for the item index of the page's model
// list ("1.0", "1.05", "1.1"); empty for another index.
QString X5FNModel(int index);

// "yyyymmdd_TT_factorycode_serial.txt". Characters that cannot stand in a
// file name (/ \ : * ? " < > |) become "_", so the name stays one file.
QString X5FileName(int docType, const QString &kktSerial, const QString &factoryCode, const QDate &date);

// The registration data file into params. Only the fields the file names are
// set; Agent, WorkMode and WorkModeEx are rebuilt from its flags (WorkModeEx:
// excise goods, games, lottery, printer in an automat, the other modes off).
// On any error params stay as they were.
void ReadX5RegParams(const QString &fileName, TRegParams &params);

void WriteX5KKTParams(const QString &fileName, const TX5KKTParamsRec &rec);
void WriteX5RegReport(const QString &fileName, const TRegParams &params);
void WriteX5CloseFNReport(const QString &fileName, const TX5CloseFNRec &rec);
