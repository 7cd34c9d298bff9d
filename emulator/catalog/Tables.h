#pragma once
// Table builders of the catalogue. Each returns one table without its number;
// a model lists the tables it has and numbering() gives them 1, 2, 3 ...
// Tables that the programs address by fixed number (1, 2, 4, 8, 10, 13, 14,
// 16, 17, 20, 21, 22) must stay at those places in every FN model's list.

#include "emulator/DeviceCatalog.h"

namespace emu::catalog {

// Names of the tables that model parameters 72, 73 and 75 point at.
inline constexpr const char *FnTableName = "Параметры ФН";
inline constexpr const char *OfdTableName = "Параметры ОФД";
inline constexpr const char *AutomatTableName = "Параметры автомата";
inline constexpr const char *FiscalDetailsTableName = "Фискальные реквизиты";

enum class Era { Fn, FiscalMemory };

TableDef cashierSettings();             // 1
TableDef cashierPasswords();            // 2
TableDef departmentNames();             // 3
TableDef receiptTexts();                // 4
TableDef paymentTypeNames(Era era);     // 5
TableDef taxRates(Era era);             // 6
TableDef operationNames(Era era);       // 7
TableDef receiptFormFonts();            // 8
TableDef printerSettings(int paperWidthMm);
TableDef serviceSettings(int ffd, bool narrowPaper); // 10 on FN models
TableDef eklzSettings();                // 10 on the fiscal memory model
TableDef portSettings();
TableDef peripherals();
TableDef fnExtraSettings();             // 13 on the table-10 kind
TableDef customerDisplay();             // 13 on the table-17 kind
TableDef upgradeModule();               // 14
TableDef sdCard();
TableDef ethernet();                    // 16
TableDef ffdAndForm(int ffd);           // 17
TableDef fnSettings();                  // logical 18
TableDef ofdSettings();                 // logical 19
TableDef ofdLog();                      // 20
TableDef interfaces();                  // 21
TableDef wifi();                        // 22
TableDef timeServer();
TableDef keyUpdateServer();
TableDef scannerSettings();
TableDef eventLog();
TableDef automat();                     // logical 24
TableDef fiscalDetails();               // the fiscal memory model's registration data

// Numbers the tables 1..N in list order.
std::vector<TableDef> numbering(std::vector<TableDef> tables);

// Number of the table with this name; 0 when the model has none.
int tableNumber(const std::vector<TableDef> &tables, const char *name);

} // namespace emu::catalog
