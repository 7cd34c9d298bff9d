#include "driver/Driver.h"
#include "emulator/EmulatedRegister.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The first number field of a table whose range lets a test write a value
// other than the factory one; -1 when there is none.
int numberField(const emu::TableDef &table)
{
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        const auto &f = table.fields[i];
        if (!f.isText && f.max - f.min >= 2)
            return int(i) + 1;
    }
    return -1;
}

int textField(const emu::TableDef &table)
{
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        if (table.fields[i].isText && table.fields[i].size >= 8)
            return int(i) + 1;
    }
    return -1;
}

} // namespace

// Every test talks to the built-in emulated register through the default
// connection of a fresh driver instance; settings, data and the register's
// state file live in a temporary folder.
class TestDriver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void instanceLifecycle();
    void failedCreationIsReportedAndRetried();
    void checkAbortsOnNonZero();

    void logicalTablesAreResolvedForReadsOnly();
    void readTableStr();
    void failedReadsAbortOrYieldTheDefault();
    void modelParameters();
    void capabilitiesMatchTheModel();
    void modelType2();

    void tags_data();
    void tags();
    void failedTagAborts();

    void amountToStr_data();
    void amountToStr();
    void sendCommand();

    void printStringWidth_data();
    void printStringWidth();
    void printStringWidthRestoresPassword();
    void printTextCutsLines_data();
    void printTextCutsLines();
    void printTextWithFont0IsWrappedByTheRegister();
    void printTextRetriesBusyAnswers_data();
    void printTextRetriesBusyAnswers();

private:
    emu::EmulatedRegister &reg() { return *m_register; }
    // The tape's text lines since the test began.
    QStringList tapeTexts();
    int remainingFaults() { return int(reg().snapshot().faults.size()); }

    std::unique_ptr<QTemporaryDir> m_home;
    std::shared_ptr<emu::EmulatedRegister> m_register;
};

void TestDriver::initTestCase()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("data"))));
    qputenv("KASSIO_EMULATOR_STATE", QFile::encodeName(m_home->filePath(QStringLiteral("emulator.db"))));
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QVERIFY2(m_register->isOpen(), qPrintable(m_register->lastError()));
}

void TestDriver::init()
{
    FreeDriver();
    SetDriverFactory({});
    QVERIFY(reg().factoryReset(emu::defaultModelId()));
    QLocale::setDefault(QLocale::c());
}

void TestDriver::cleanup()
{
    FreeDriver();
    SetDriverFactory({});
    QLocale::setDefault(QLocale::system());
}

QStringList TestDriver::tapeTexts()
{
    QStringList texts;
    for (const auto &line : reg().tape())
        if (line.kind == QStringLiteral("text"))
            texts << line.text;
    return texts;
}

void TestDriver::instanceLifecycle()
{
    QVERIFY(!DriverExists());
    TDriver *first = Driver();
    QVERIFY(first);
    QVERIFY(DriverExists());
    QCOMPARE(Driver(), first);
    QCOMPARE(first->GetModelID(), emu::defaultModelId()); // it reaches the register

    FreeDriver();
    QVERIFY(!DriverExists());
    QVERIFY(Driver());
    QVERIFY(DriverExists());
}

void TestDriver::failedCreationIsReportedAndRetried()
{
    SetDriverFactory([]() -> std::unique_ptr<TDriver> { throw std::runtime_error("нет компонента"); });
    try {
        Driver();
        QFAIL("no error");
    } catch (const EKassioError &e) {
        QCOMPARE(e.message(), QStringLiteral("Ошибка создания объекта драйвера: нет компонента"));
    }
    QVERIFY(!DriverExists());

    SetDriverFactory({});
    QVERIFY(Driver());
    QVERIFY(DriverExists());
}

void TestDriver::checkAbortsOnNonZero()
{
    Check(0);
    QVERIFY_THROWS_EXCEPTION(EAbort, Check(80));
    QVERIFY_THROWS_EXCEPTION(EAbort, Check(-1));
}

// Logical tables 18 and 19 name the model's FN and OFD tables. Only the reads
// resolve them: ReadTableDef and WriteTableInt take the number as given.
void TestDriver::logicalTablesAreResolvedForReadsOnly()
{
    constexpr int modelId = 254; // its FN table is not physical table 18
    QVERIFY(reg().factoryReset(modelId));
    const emu::ModelDef *model = emu::findModel(modelId);
    QVERIFY(model);
    TDriver *d = Driver();
    const int fnTable = d->CorrectTableNumber(18);
    QCOMPARE(fnTable, d->ReadIntParam(72));
    QVERIFY(fnTable != 18);
    QCOMPARE(d->CorrectTableNumber(19), d->ReadIntParam(73));
    QCOMPARE(d->CorrectTableNumber(5), 5);

    const int fnField = numberField(model->tables.at(std::size_t(fnTable - 1)));
    const int field18 = numberField(model->tables.at(17));
    QVERIFY(fnField > 0 && field18 > 0);

    // Different values in the physical FN table and in physical table 18.
    const int fnValue = d->ReadTableInt(18, 1, fnField) == 1 ? 2 : 1;
    d->WriteTableInt(fnTable, 1, fnField, fnValue);
    QCOMPARE(d->ReadTableInt(18, 1, fnField), fnValue);
    QCOMPARE(d->TableNumber, fnTable);

    const int value18 = d->ReadTableDef(18, 1, field18, -1) == 1 ? 2 : 1;
    d->WriteTableInt(18, 1, field18, value18);
    QCOMPARE(d->ReadTableDef(18, 1, field18, -1), value18);
    QCOMPARE(d->TableNumber, 18);
    QCOMPARE(d->ReadTableInt(fnTable, 1, fnField), fnValue); // the FN table is untouched
}

void TestDriver::readTableStr()
{
    const emu::ModelDef *model = emu::findModel(emu::defaultModelId());
    int table = 0, field = -1;
    for (const auto &t : model->tables) {
        field = textField(t);
        if (field > 0) {
            table = t.number;
            break;
        }
    }
    QVERIFY(field > 0);
    TDriver *d = Driver();
    d->RowNumber = 1;
    d->TableNumber = table;
    d->FieldNumber = field;
    d->ValueOfFieldString = QStringLiteral("Кассир Иванов");
    QCOMPARE(d->WriteTable(), 0);
    QCOMPARE(d->ReadTableStr(table, 1, field), QStringLiteral("Кассир Иванов"));
}

void TestDriver::failedReadsAbortOrYieldTheDefault()
{
    TDriver *d = Driver();
    QVERIFY_THROWS_EXCEPTION(EAbort, d->ReadTableInt(250, 1, 1));
    QCOMPARE(d->ResultCode, int(emu::code::NoSuchTable)); // kept for the result panel
    QVERIFY(!d->ResultCodeDescription.isEmpty());
    QVERIFY_THROWS_EXCEPTION(EAbort, d->ReadTableStr(250, 1, 1));
    QVERIFY_THROWS_EXCEPTION(EAbort, d->WriteTableInt(250, 1, 1, 0));
    QCOMPARE(d->ReadTableDef(250, 1, 1, -7), -7);
    QCOMPARE(d->ResultCode, int(emu::code::NoSuchTable));
}

void TestDriver::modelParameters()
{
    TDriver *d = Driver();
    QCOMPARE(d->ReadIntParam(32), emu::defaultModelId());
    QVERIFY(d->ReadBoolParam(71));   // an FN register
    QVERIFY(!d->ReadBoolParam(57));  // no SKNO
    QVERIFY(!d->ReadBoolParam(32));  // an integer is not the boolean true

    // A boolean parameter is no integer text.
    try {
        d->ReadIntParam(71);
        QFAIL("no conversion error");
    } catch (const EKassioError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("true")), qPrintable(e.message()));
    }
    QVERIFY_THROWS_EXCEPTION(EAbort, d->ReadIntParam(999));
    QVERIFY_THROWS_EXCEPTION(EAbort, d->ReadBoolParam(999));
}

// Every accessor against the parameter catalogue of every model.
void TestDriver::capabilitiesMatchTheModel()
{
    struct Accessor {
        const char *name;
        int param;
        std::function<QVariant(TDriver &)> read;
    };
#define BOOL_CAP(Name, Param) Accessor{#Name, Param, [](TDriver &d) { return QVariant(d.Name()); }}
#define INT_CAP(Name, Param) Accessor{#Name, Param, [](TDriver &d) { return QVariant(d.Name()); }}
    const Accessor accessors[] = {
        BOOL_CAP(CapJrnSensor, 1), BOOL_CAP(CapJrnOpticalSensor, 2), BOOL_CAP(CapJrnLeverSensor, 3),
        BOOL_CAP(CapRecSensor, 4), BOOL_CAP(CapRecOpticalSensor, 5), BOOL_CAP(CapRecLeverSensor, 6),
        BOOL_CAP(CapSlpDocumentHiSensor, 7), BOOL_CAP(CapSlpDocumentLoSensor, 8), BOOL_CAP(CapCoverSensor, 9),
        BOOL_CAP(CapEKLZOverflowSensor, 10), BOOL_CAP(CapTaxCalc, 11), INT_CAP(TaxCalcField, 12),
        BOOL_CAP(CapCashDrawerAsPresenter, 13), BOOL_CAP(CapCashDrawerSensor, 14),
        BOOL_CAP(CapPrsPaperInSensor, 15), BOOL_CAP(CapPrsPaperOutSensor, 16), BOOL_CAP(CapPresenter, 17),
        BOOL_CAP(CapPresenterCommands, 18), BOOL_CAP(CapBillAcceptor, 19), BOOL_CAP(CapSlip, 20),
        BOOL_CAP(CapNonfiscalDocument, 21), BOOL_CAP(CapJournal, 22), BOOL_CAP(CapTaxKeyboard, 23),
        INT_CAP(Font1Width, 24), INT_CAP(Font2Width, 25), BOOL_CAP(SwapLineBytes, 26),
        INT_CAP(FirstDrawLine, 27), BOOL_CAP(CapCashCore, 28), INT_CAP(InnDigitCount, 29),
        INT_CAP(RnmDigitCount, 30), INT_CAP(GetModelID, 32), BOOL_CAP(CapEJournal, 34),
        BOOL_CAP(GetCapEJournal, 34), BOOL_CAP(CapCutterPresent, 35), INT_CAP(DefaultTaxPassword, 36),
        INT_CAP(DefaultSysPassword, 37), INT_CAP(LongRnmDigitCount, 38), INT_CAP(LongSerialDigitCount, 39),
        BOOL_CAP(CapTaxPasswordLock, 40), BOOL_CAP(CapInnLeadingZeros, 41), BOOL_CAP(CapRnmLeadingZeros, 42),
        BOOL_CAP(CapAltProtocol, 44), BOOL_CAP(CapWrapNonFiscalString, 45),
        BOOL_CAP(CapWrapWithFontNonFiscapString, 46), BOOL_CAP(CapWrapFiscalString, 47),
        BOOL_CAP(CapWrapWithFontFiscalString, 48), BOOL_CAP(CapChiefCashier, 49),
        BOOL_CAP(CapLastPrintResult, 50), BOOL_CAP(CapLoadBlockGraphics, 51), BOOL_CAP(CapErrorDescription, 52),
        INT_CAP(MaxCmdLength, 53), BOOL_CAP(CapPrintFlagsGraphics, 54), INT_CAP(MaxLineWidth, 55),
        BOOL_CAP(CapSKNO, 57), BOOL_CAP(CapFN, 71), INT_CAP(FSTableNumber, 72),
    };
#undef BOOL_CAP
#undef INT_CAP

    for (const emu::ModelDef &model : emu::models()) {
        QVERIFY(reg().factoryReset(model.id));
        FreeDriver();
        TDriver *d = Driver();
        for (const Accessor &a : accessors) {
            const auto param = std::find_if(model.params.begin(), model.params.end(),
                                            [&](const emu::ModelParamDef &p) { return p.number == a.param; });
            if (param == model.params.end()) {
                QVERIFY_THROWS_EXCEPTION(EAbort, a.read(*d));
                continue;
            }
            const QVariant value = a.read(*d);
            QVERIFY2(value == param->value,
                     qPrintable(QStringLiteral("model %1, %2: %3 instead of %4")
                                    .arg(model.id).arg(QLatin1String(a.name), value.toString(),
                                                       param->value.toString())));
        }
    }
}

void TestDriver::modelType2()
{
    const int type2[] = {16, 19, 20, 21, 27, 28, 29, 30, 32, 33, 34, 35, 36, 38, 39, 40, 41, 42, 45, 46};
    int checked = 0;
    for (const emu::ModelDef &model : emu::models()) {
        QVERIFY(reg().factoryReset(model.id));
        FreeDriver();
        const bool expected = std::find(std::begin(type2), std::end(type2), model.id) != std::end(type2);
        QCOMPARE(Driver()->IsModelType2(), expected);
        checked += expected ? 1 : 0;
    }
    QVERIFY2(checked > 0, "the catalogue has no second-family model to check");
}

void TestDriver::tags_data()
{
    using Op = std::function<void(TDriver &)>;
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("tagType"); // -1: none set
    const QDateTime when(QDate(2024, 3, 1), QTime(12, 30), Qt::UTC);
    QTest::newRow("BeginSTLVTag") << Op([](TDriver &d) { d.BeginSTLVTag(1223); }) << "FNBeginSTLVTag" << -1;
    QTest::newRow("AddTagByte") << Op([](TDriver &d) { d.AddTagByte(1223, 5); }) << "FNAddTag" << 0;
    QTest::newRow("AddTagStr") << Op([](TDriver &d) { d.AddTagStr(1223, QStringLiteral("ООО")); }) << "FNAddTag" << 7;
    QTest::newRow("AddTagUnixTime") << Op([when](TDriver &d) { d.AddTagUnixTime(1223, when); }) << "FNAddTag" << 6;
    QTest::newRow("SendSTLVTag") << Op([](TDriver &d) { d.SendSTLVTag(1223); }) << "FNSendSTLVTag" << -1;
    QTest::newRow("SendSTLVTagOperation") << Op([](TDriver &d) { d.SendSTLVTagOperation(1223); })
                                          << "FNSendSTLVTagOperation" << -1;
    QTest::newRow("SendTagStr") << Op([](TDriver &d) { d.SendTagStr(1223, QStringLiteral("ООО")); }) << "FNSendTag" << 7;
    QTest::newRow("SendTagStrOperation") << Op([](TDriver &d) { d.SendTagStrOperation(1223, QStringLiteral("ООО")); })
                                         << "FNSendTagOperation" << 7;
    QTest::newRow("SendTagUnixTime") << Op([when](TDriver &d) { d.SendTagUnixTime(1223, when); }) << "FNSendTag" << 6;
    QTest::newRow("SendTagUnixTimeOperation") << Op([when](TDriver &d) { d.SendTagUnixTimeOperation(1223, when); })
                                              << "FNSendTagOperation" << 6;
}

// Each operation calls its own method: the register answers success only to
// that one (a fault of code 0 stands for a register that accepts the tag).
void TestDriver::tags()
{
    using Op = std::function<void(TDriver &)>;
    QFETCH(Op, op);
    QFETCH(QString, method);
    QFETCH(int, tagType);
    QVERIFY(reg().injectFault(method, 0, 1));
    TDriver *d = Driver();
    d->TagType = -1;
    try {
        op(*d);
    } catch (const EAbort &) {
        QFAIL(qPrintable(QStringLiteral("aborted with %1: %2 was not called").arg(d->ResultCode).arg(method)));
    }
    QCOMPARE(remainingFaults(), 0);
    QCOMPARE(d->TagNumber, 1223);
    QCOMPARE(d->TagType, tagType);
}

void TestDriver::failedTagAborts()
{
    QVERIFY(reg().injectFault(QStringLiteral("FNSendTag"), 126, 1));
    QVERIFY_THROWS_EXCEPTION(EAbort, Driver()->SendTagStr(1008, QStringLiteral("a@b.ru")));
    QCOMPARE(Driver()->ResultCode, 126);
}

void TestDriver::amountToStr_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("pointPosition");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("12.3456 two decimals") << qint64(123456) << true << "C" << "12.35";
    QTest::newRow("12.3456 whole part") << qint64(123456) << false << "C" << "12";
    QTest::newRow("12.9999 whole part, not rounded") << qint64(129999) << false << "C" << "12";
    QTest::newRow("-12.3456 whole part") << qint64(-123456) << false << "C" << "-12";
    QTest::newRow("-12.3456 two decimals") << qint64(-123456) << true << "C" << "-12.35";
    QTest::newRow("half a kopeck up") << qint64(50) << true << "C" << "0.01";
    QTest::newRow("zero") << qint64(0) << true << "C" << "0.00";
    QTest::newRow("no group separator") << qint64(12345670000) << true << "ru_RU" << "1234567,00";
    QTest::newRow("Russian decimal comma") << qint64(123456) << true << "ru_RU" << "12,35";
}

void TestDriver::amountToStr()
{
    QFETCH(qint64, value);
    QFETCH(bool, pointPosition);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    TDriver *d = Driver();
    d->PointPosition = pointPosition;
    QCOMPARE(d->AmountToStr(value), expected);
}

void TestDriver::sendCommand()
{
    TDriver *d = Driver();
    QByteArray response;
    QCOMPARE(d->SendCommand(QByteArray("\xFC", 1), response), 0);
    QCOMPARE(d->BinaryConversion, 1);
    QVERIFY2(response.startsWith(QByteArray("\xFC\x00", 2)), response.toHex(' ').constData());
    QCOMPARE(quint8(response.at(6)), quint8(emu::defaultModelId()));

    QCOMPARE(d->SendCommand(QByteArray("\x13", 1)), 0);
    QCOMPARE(HexToBytes(d->TransferBytes), QByteArray("\x13\x00", 2));

    // A failure is returned, not raised.
    QCOMPARE(d->SendCommand(QByteArray("\xAA\x01", 2), response), int(emu::code::NotSupported));
    QCOMPARE(response, HexToBytes(d->TransferBytes));
}

void TestDriver::printStringWidth_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("font");
    QTest::addColumn<int>("width");
    for (const emu::ModelDef &model : emu::models()) {
        for (const emu::FontDef &font : model.fonts) {
            const int width = font.charWidth == 0 ? 40 : font.printWidth / font.charWidth;
            QTest::addRow("model %d font %d", model.id, font.number) << model.id << font.number << width;
        }
    }
}

void TestDriver::printStringWidth()
{
    QFETCH(int, model);
    QFETCH(int, font);
    QFETCH(int, width);
    QVERIFY(reg().factoryReset(model));
    QCOMPARE(Driver()->GetPrintStringWidth(font), width);
}

// The metrics are asked for with the system administrator's password; the
// caller's password comes back afterwards, also after an abort.
void TestDriver::printStringWidthRestoresPassword()
{
    TDriver *d = Driver();
    d->Password = 1;
    d->SysAdminPassword = 30;
    QCOMPARE(d->GetPrintStringWidth(1), 48);
    QCOMPARE(d->OperatorNumber, 30);
    QCOMPARE(d->Password, 1);

    QVERIFY_THROWS_EXCEPTION(EAbort, d->GetPrintStringWidth(99));
    QCOMPARE(d->Password, 1);
}

void TestDriver::printTextCutsLines_data()
{
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pieces");
    const QString hundred = QString(40, QLatin1Char('a')) + QString(40, QLatin1Char('b')) + QString(20, QLatin1Char('c'));
    QTest::newRow("no character width: 40 a line") << 7 << hundred
                                                    << QStringList{QString(40, QLatin1Char('a')),
                                                                   QString(40, QLatin1Char('b')),
                                                                   QString(20, QLatin1Char('c'))};
    QTest::newRow("48 a line") << 1 << QString(50, QLatin1Char('x'))
                               << QStringList{QString(48, QLatin1Char('x')), QStringLiteral("xx")};
    QTest::newRow("two empty lines in the middle") << 1 << QStringLiteral("Итог\r\n\r\n\r\nСпасибо")
                                                   << QStringList{QStringLiteral("Итог"), QString(), QString(),
                                                                  QStringLiteral("Спасибо")};
    QTest::newRow("LF, CR and a trailing break") << 1 << QStringLiteral("a\nb\rc\r\n")
                                                 << QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                                                QStringLiteral("c")};
    QTest::newRow("a lone break is one empty line") << 1 << QStringLiteral("\n") << QStringList{QString()};
    QTest::newRow("empty text") << 1 << QString() << QStringList{};
}

void TestDriver::printTextCutsLines()
{
    QFETCH(int, font);
    QFETCH(QString, text);
    QFETCH(QStringList, pieces);
    Driver()->PrintText(text, font);
    QCOMPARE(tapeTexts(), pieces);
    for (const auto &line : reg().tape())
        QCOMPARE(line.font, font);
}

void TestDriver::printTextWithFont0IsWrappedByTheRegister()
{
    // One call: the register wraps at its own width (48 characters in font 1).
    QVERIFY(reg().injectFault(QStringLiteral("PrintStringWithFont"), 99, 1));
    Driver()->PrintText(QString(50, QLatin1Char('w')) + QStringLiteral("\r\nконец"), 0);
    QCOMPARE(tapeTexts(), (QStringList{QString(48, QLatin1Char('w')), QStringLiteral("ww"),
                                       QStringLiteral("конец")}));
    QCOMPARE(remainingFaults(), 1); // never printed line by line
}

void TestDriver::printTextRetriesBusyAnswers_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("aborts");
    QTest::addColumn<int>("left");   // injected answers not asked for
    QTest::addColumn<int>("pauses"); // 50 ms pauses
    QTest::newRow("80 four times, then printed") << 80 << 4 << false << 0 << 4;
    QTest::newRow("75 twice, then printed") << 75 << 2 << false << 0 << 2;
    QTest::newRow("80 five times aborts") << 80 << 5 << true << 0 << 5;
    QTest::newRow("80 six times aborts after five") << 80 << 6 << true << 1 << 5;
    QTest::newRow("50 is not retried") << 50 << 3 << true << 2 << 0;
    QTest::newRow("no paper is not retried") << 107 << 3 << true << 2 << 0;
}

void TestDriver::printTextRetriesBusyAnswers()
{
    QFETCH(int, code);
    QFETCH(int, count);
    QFETCH(bool, aborts);
    QFETCH(int, left);
    QFETCH(int, pauses);
    TDriver *d = Driver();
    d->GetPrintStringWidth(1); // the first piece's calls are the only ones below
    QVERIFY(reg().injectFault(QStringLiteral("PrintStringWithFont"), code, count));

    QElapsedTimer timer;
    timer.start();
    bool aborted = false;
    try {
        d->PrintText(QStringLiteral("первая\nвторая"), 1);
    } catch (const EAbort &) {
        aborted = true;
    }
    const qint64 elapsed = timer.elapsed();

    QCOMPARE(aborted, aborts);
    const auto faults = reg().snapshot().faults;
    QCOMPARE(faults.empty() ? 0 : faults.front().remaining, left);
    QVERIFY2(elapsed >= pauses * 50 - 2, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < (pauses + 1) * 50 + 500, qPrintable(QString::number(elapsed)));
    if (aborts) {
        QCOMPARE(d->ResultCode, code);
        QCOMPARE(tapeTexts(), QStringList()); // the text ends at the failed piece
    } else {
        QCOMPARE(tapeTexts(), (QStringList{QStringLiteral("первая"), QStringLiteral("вторая")}));
    }
}

QTEST_MAIN(TestDriver)
#include "tst_driver.moc"
