#pragma once
// What the emulated register is made of, per model: device tables with their
// structure and factory values, model parameters, fonts, and the fixed texts
// (error, mode and register descriptions). Plain data; no state.

#include <QString>
#include <QVariant>

#include <vector>

namespace emu {

struct FieldDef {
    QString name;        // as the register reports it (FieldName)
    bool isText = false; // FieldType: true for a text field
    int size = 1;        // bytes for a number, maximum length for a text
    qint64 min = 0;      // MINValueOfField (numbers)
    qint64 max = 255;    // MAXValueOfField (numbers)
    QVariant initial;    // factory value: qint64 for numbers, QString for texts
};

// A factory value of one cell that differs from its field's `initial`
// (cashier names by row, payment type names, tax rates ...).
struct CellDef {
    int row = 0;
    int field = 0;
    QVariant value;      // same type rule as FieldDef::initial
};

struct TableDef {
    int number = 0;
    QString name;        // TableName
    int rows = 1;
    std::vector<FieldDef> fields; // field 1 is fields[0]
    std::vector<CellDef> rowValues; // per-row factory values; see factoryValue()
};

struct ModelParamDef {
    int number = 0;
    QString description; // ModelParamDescription
    QVariant value;      // int or bool
};

struct FontDef {
    int number = 0;      // FontType, 1-based
    int printWidth = 0;  // dots
    int charWidth = 0;   // dots; 0 on a font that prints 40 characters a line
    int charHeight = 0;  // dots
};

struct ModelDef {
    int id = 0;                 // model identifier (model parameter 32, UModel)
    QString description;        // UDescription
    int majorType = 0, minorType = 0, majorProtocol = 0, minorProtocol = 0; // UMajorType...
    int codePage = 1251;        // UCodePage
    QString codePageText;       // UCodePageText
    bool hasFiscalDrive = true; // an FN register rather than one with fiscal memory
    QString firmwareVersion;    // ECRSoftVersion, e.g. "A.4"
    int firmwareBuild = 0;      // ECRBuild
    QString firmwareDate;       // ECRSoftDate, "yyyy-MM-dd"
    std::vector<TableDef> tables;      // ordered by number, numbered 1, 2, 3 ... without gaps
    std::vector<ModelParamDef> params; // ordered by number
    std::vector<FontDef> fonts;        // ordered by number
};

const std::vector<ModelDef> &models();
const ModelDef *findModel(int id);
int defaultModelId();

// Factory value of one cell: its rowValues entry, else the field's `initial`;
// an invalid QVariant when the row or field is out of range.
QVariant factoryValue(const TableDef &table, int row, int field);

// Texts in Russian, as the register reports them.
QString errorDescription(int code);          // 0..255; a generic text past the known ones
QString modeDescription(int mode);            // ECRModeDescription, mode 0..15 (low nibble)
QString advancedModeDescription(int mode);    // ECRAdvancedModeDescription, 0..5
QString cashRegisterName(int number);         // NameCashReg, 0..255
QString operationRegisterName(int number);    // NameOperationReg, 0..255

} // namespace emu
