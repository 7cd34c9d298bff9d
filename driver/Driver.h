#pragma once
// TDriver: the test bench's one handle on the driver component. It adds the
// sequences pages repeat (device tables, model parameters and capabilities,
// fiscal tags, raw exchange, amount text, wrapped printing) on top of TKassio;
// pages may use TKassio's members directly through the same instance.
//
// Operations that check a result raise EAbort on a non-zero code; the
// component's ResultCode and ResultCodeDescription keep the failed call's
// outcome for the result panel. Conversion errors raise EKassioError.

#include "driver/Helpers.h"
#include "driver/Kassio.h"

#include <QDateTime>

#include <exception>
#include <functional>
#include <memory>

// The silent abort: ends the handler and is never shown.
class EAbort : public std::exception
{
public:
    const char *what() const noexcept override;
};

class TDriver : public TKassio
{
public:
    using TKassio::TKassio;

    // Device tables. 18 and 19 are logical numbers that only the reads by
    // ReadTableInt/ReadTableStr resolve; ReadTableDef and WriteTableInt use
    // the number as given.
    int ReadTableInt(int Table, int Row, int Field);
    QString ReadTableStr(int Table, int Row, int Field);
    // Never aborts: Default when the read fails.
    int ReadTableDef(int Table, int Row, int Field, int Default);
    void WriteTableInt(int Table, int Row, int Field, int Value);
    // 18 is model parameter 72, 19 model parameter 73; other numbers unchanged.
    int CorrectTableNumber(int Number);

    // Model parameters.
    int ReadIntParam(int ParamID);
    bool ReadBoolParam(int ParamID);

    bool CapJrnSensor() { return ReadBoolParam(1); }
    bool CapJrnOpticalSensor() { return ReadBoolParam(2); }
    bool CapJrnLeverSensor() { return ReadBoolParam(3); }
    bool CapRecSensor() { return ReadBoolParam(4); }
    bool CapRecOpticalSensor() { return ReadBoolParam(5); }
    bool CapRecLeverSensor() { return ReadBoolParam(6); }
    bool CapSlpDocumentHiSensor() { return ReadBoolParam(7); }
    bool CapSlpDocumentLoSensor() { return ReadBoolParam(8); }
    bool CapCoverSensor() { return ReadBoolParam(9); }
    bool CapEKLZOverflowSensor() { return ReadBoolParam(10); }
    bool CapTaxCalc() { return ReadBoolParam(11); }
    int TaxCalcField() { return ReadIntParam(12); }
    bool CapCashDrawerAsPresenter() { return ReadBoolParam(13); }
    bool CapCashDrawerSensor() { return ReadBoolParam(14); }
    bool CapPrsPaperInSensor() { return ReadBoolParam(15); }
    bool CapPrsPaperOutSensor() { return ReadBoolParam(16); }
    bool CapPresenter() { return ReadBoolParam(17); }
    bool CapPresenterCommands() { return ReadBoolParam(18); }
    bool CapBillAcceptor() { return ReadBoolParam(19); }
    bool CapSlip() { return ReadBoolParam(20); }
    bool CapNonfiscalDocument() { return ReadBoolParam(21); }
    bool CapJournal() { return ReadBoolParam(22); }
    bool CapTaxKeyboard() { return ReadBoolParam(23); }
    int Font1Width() { return ReadIntParam(24); }
    int Font2Width() { return ReadIntParam(25); }
    bool SwapLineBytes() { return ReadBoolParam(26); }
    int FirstDrawLine() { return ReadIntParam(27); }
    bool CapCashCore() { return ReadBoolParam(28); }
    int InnDigitCount() { return ReadIntParam(29); }
    int RnmDigitCount() { return ReadIntParam(30); }
    int GetModelID() { return ReadIntParam(32); }
    bool CapEJournal() { return ReadBoolParam(34); }
    bool GetCapEJournal() { return ReadBoolParam(34); }
    bool CapCutterPresent() { return ReadBoolParam(35); }
    int DefaultTaxPassword() { return ReadIntParam(36); }
    int DefaultSysPassword() { return ReadIntParam(37); }
    int LongRnmDigitCount() { return ReadIntParam(38); }
    int LongSerialDigitCount() { return ReadIntParam(39); }
    bool CapTaxPasswordLock() { return ReadBoolParam(40); }
    bool CapInnLeadingZeros() { return ReadBoolParam(41); }
    bool CapRnmLeadingZeros() { return ReadBoolParam(42); }
    bool CapAltProtocol() { return ReadBoolParam(44); }
    bool CapWrapNonFiscalString() { return ReadBoolParam(45); }
    bool CapWrapWithFontNonFiscapString() { return ReadBoolParam(46); }
    bool CapWrapFiscalString() { return ReadBoolParam(47); }
    bool CapWrapWithFontFiscalString() { return ReadBoolParam(48); }
    bool CapChiefCashier() { return ReadBoolParam(49); }
    bool CapLastPrintResult() { return ReadBoolParam(50); }
    bool CapLoadBlockGraphics() { return ReadBoolParam(51); }
    bool CapErrorDescription() { return ReadBoolParam(52); }
    int MaxCmdLength() { return ReadIntParam(53); }
    bool CapPrintFlagsGraphics() { return ReadBoolParam(54); }
    int MaxLineWidth() { return ReadIntParam(55); }
    bool CapSKNO() { return ReadBoolParam(57); }
    bool CapFN() { return ReadBoolParam(71); }
    int FSTableNumber() { return ReadIntParam(72); }

    // True for the register models of the second family.
    bool IsModelType2();

    // Fiscal drive tags. A composite tag is BeginSTLVTag, AddTag... for its
    // members, then SendSTLVTag (document) or SendSTLVTagOperation (item).
    void BeginSTLVTag(int Tag);
    void AddTagByte(int Tag, int Value);
    void AddTagStr(int Tag, const QString &Value);
    void AddTagUnixTime(int Tag, const QDateTime &Value);
    void SendSTLVTag(int Tag);
    void SendSTLVTagOperation(int Tag);
    void SendTagStr(int Tag, const QString &Value);
    void SendTagStrOperation(int Tag, const QString &Value);
    void SendTagUnixTime(int Tag, const QDateTime &Value);
    void SendTagUnixTimeOperation(int Tag, const QDateTime &Value);

    // An amount (ten-thousandths) as text: two decimals in the locale's
    // format when PointPosition is set, else the whole part, fraction dropped.
    QString AmountToStr(qint64 Value);

    // Raw exchange; the result is returned unchecked. The second form puts
    // the reply bytes into Response whatever the result.
    int SendCommand(const QByteArray &Bytes);
    int SendCommand(const QByteArray &Bytes, QByteArray &Response);

    // Characters a line of Font holds (40 when the font has no character width).
    int GetPrintStringWidth(int Font);
    // Prints a multi-line text: font 0 is wrapped by the component, other
    // fonts are cut into pieces of GetPrintStringWidth characters. A busy
    // answer (80, 75) is retried up to 5 attempts a piece, 50 ms apart.
    void PrintText(const QString &Text, int Font);

private:
    void SetStrTag(int Tag, const QString &Value);
    void SetTimeTag(int Tag, const QDateTime &Value);
    void PrintPiece(const QString &Piece, int Font);
};

// The test bench's driver instance, made on first use. A failed creation
// raises EKassioError "Ошибка создания объекта драйвера: " + the reason; the
// next call tries again.
TDriver *Driver();
// Destroys the instance; the next Driver() makes a new one.
void FreeDriver();
// True while the instance exists (display refreshes test it so as not to create it).
bool DriverExists();
// Raises EAbort when ResultCode is not 0.
void Check(int ResultCode);

// How Driver() makes the instance. Tests set a factory (one that fails, say);
// an empty one restores the default.
using TDriverFactory = std::function<std::unique_ptr<TDriver>()>;
void SetDriverFactory(TDriverFactory factory);
