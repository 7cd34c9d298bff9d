#include "testbench/pages/fn/FNForm.h"
#include "testbench/shell/ReportMemo.h"

#include "driver/Driver.h"
#include "testbench/pages/fn/FnCodes.h"
#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/InputChecks.h"
#include "testbench/shell/MessageBoxes.h"
#include "testbench/shell/PageTable.h"
#include "testbench/shell/Translation.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

KASSIO_PAGE_FACTORY(TfmFN)

namespace {

// The number edits take digits (and "." like the other number fields of the
// FN pages); anything else is refused as it is typed or pasted.
QLineEdit *NumberEdit(const char *Name, const QString &Hint)
{
    auto *edit = new QLineEdit(QStringLiteral("0"));
    edit->setObjectName(QLatin1String(Name));
    edit->setToolTip(Hint);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), edit));
    return edit;
}

// A document number is an unsigned 32-bit value; the property carries its bits.
int StrToDocumentNumber(const QString &Text)
{
    bool ok = false;
    const qulonglong value = Text.trimmed().toULongLong(&ok);
    if (ok && value <= 0xFFFFFFFFull)
        return static_cast<int>(static_cast<quint32>(value));
    return StrToInt(Text); // raises the conversion error
}

// The service command that updates the marking-code check keys: FE E1 and
// a parameter field of four zero bytes.
const QByteArray UpdateOKPKeysCommand = QByteArray::fromHex("FEE100000000");

} // namespace

TfmFN::TfmFN(QWidget *parent) : TPage(parent)
{
    setWindowTitle(KassioTest::tr("Состояние ФН"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);

    struct Entry
    {
        const char *name;
        const char *caption;
        const char *hint;
    };
    // Three columns, top to bottom; the two edits sit above the buttons they feed.
    static const Entry Buttons[] = {
        {"btnFNGetStatus", QT_TRANSLATE_NOOP("KassioTest", "Запрос статуса ФН"), "FNGetStatus"},
        {"btnFNGetSerial", QT_TRANSLATE_NOOP("KassioTest", "Запрос номера ФН"), "FNGetSerial"},
        {"btnFNGetExpirationTime", QT_TRANSLATE_NOOP("KassioTest", "Запрос срока действ. ФН"), "FNGetExpirationTime"},
        {"btnFNGetVersion", QT_TRANSLATE_NOOP("KassioTest", "Запрос версии ФН"), "FNGetVersion"},
        {"btnFNGetImplementation", QT_TRANSLATE_NOOP("KassioTest", "Запрос исполнения ФН"), "FNGetImplementation"},
        {"btnFNGetDocumentSize", QT_TRANSLATE_NOOP("KassioTest", "Запрос размера док-та в ФН"), "FNGetDocumentSize"},
        {"btnFNGetOSUSupportStatus", QT_TRANSLATE_NOOP("KassioTest", "Запрос статуса поддержки ОСУ"), "FNGetOSUSupportStatus"},
        {"btnFNGetFreeMemoryResource", QT_TRANSLATE_NOOP("KassioTest", "Запр. ресурса своб. памяти ФН"), "FNGetFreeMemoryResource"},
        {"btnFNCountersSync", QT_TRANSLATE_NOOP("KassioTest", "Синхр регистры со счетч. ФН"), "FNCountersSync"},
        {"btnFNBeginOpenSessioin", QT_TRANSLATE_NOOP("KassioTest", "Начать откр. смены в ФН"), "FNBeginOpenSession"},
        {"btnFNOpenSession", QT_TRANSLATE_NOOP("KassioTest", "Открыть смену в ФН"), "FNOpenSession"},
        {"btnFNBeginCloseSession", QT_TRANSLATE_NOOP("KassioTest", "Начать закр. смены в ФН"), "FNBeginCloseSession"},
        {"btnFNCloseSession", QT_TRANSLATE_NOOP("KassioTest", "Закрыть смену в ФН"), "FNCloseSession"},
        {"btnBeginCalculationStateReport", QT_TRANSLATE_NOOP("KassioTest", "Начать отчет о сост. расчетов"), "FNBeginCalculationStateReport"},
        {"btnBuildCalculationStateReport", QT_TRANSLATE_NOOP("KassioTest", "Сформ. отчет о сост. расчетов"), "FNBuildCalculationStateReport"},
        {"btnFNGetCurrentSessionParams", QT_TRANSLATE_NOOP("KassioTest", "Параметры текущей смены"), "FNGetCurrentSessionParams"},
        {"btnFNResetState", QT_TRANSLATE_NOOP("KassioTest", "Сбросить состояние ФН"), "FNResetState"},
        {"btnFNCancelDocument", QT_TRANSLATE_NOOP("KassioTest", "Отменить документ в ФН"), "FNCancelDocument"},
        {"btnFNBeginCloseFiscalMode", QT_TRANSLATE_NOOP("KassioTest", "Начать закр. фиск. режима"), "FNBeginCloseFiscalMode"},
        {"btnFNCloseFiscalMode", QT_TRANSLATE_NOOP("KassioTest", "Закрыть фиск. режим"), "FNCloseFiscalMode"},
        {"btnFNFindDocument", QT_TRANSLATE_NOOP("KassioTest", "Найти фиск. документ"), "FNFindDocument"},
        {"btnFNReadFiscalBarcode", QT_TRANSLATE_NOOP("KassioTest", "Прочитать QR чека"), "FNReadFiscalBarcode"},
        {"btnFNUpdateOKPKeys", QT_TRANSLATE_NOOP("KassioTest", "Обновление ключей ОКП"),
         QT_TRANSLATE_NOOP("KassioTest", "Требуется прошивка 13.02.23 и новее")},
    };
    constexpr int Rows = 9;
    int index = 0;
    for (const Entry &e : Buttons) {
        // Hints that name driver members have no translation and stay as they are.
        QPushButton *button = AddButton(e.name, KassioTest::tr(e.caption), KassioTest::tr(e.hint));
        grid->addWidget(button, index % Rows, index / Rows);
        ++index;
    }

    edtRequestType = NumberEdit("edtRequestType", QStringLiteral("RequestType"));
    edtDocumentNumber = NumberEdit("edtDocumentNumber", QStringLiteral("DocumentNumber"));
    auto *edits = new QGridLayout;
    auto *lblRequestType = new QLabel(KassioTest::tr("Код запроса:"));
    lblRequestType->setObjectName(QStringLiteral("lblRequestType"));
    lblRequestType->setBuddy(edtRequestType);
    auto *lblDocumentNumber = new QLabel(KassioTest::tr("№ документа:"));
    lblDocumentNumber->setObjectName(QStringLiteral("lblDocumentNumber"));
    lblDocumentNumber->setBuddy(edtDocumentNumber);
    edits->addWidget(lblRequestType, 0, 0);
    edits->addWidget(edtRequestType, 0, 1);
    edits->addWidget(lblDocumentNumber, 0, 2);
    edits->addWidget(edtDocumentNumber, 0, 3);
    layout->addLayout(edits);

    Memo = CreateReportMemo();
    layout->addWidget(Memo, 1);
    FReport = TFnReport(Memo);

    auto *btnSaveAs = AddButton("btnSaveAs", KassioTest::tr("Сохранить..."), {});
    layout->addWidget(btnSaveAs, 0, Qt::AlignRight);
    dlgSave = CreateSaveDialog(this);
    connect(btnSaveAs, &QPushButton::clicked, this, [this] { Guarded(this, [this] { SaveMemoAs(dlgSave, Memo); }); });

    const auto button = [this](const char *name) { return findChild<QPushButton *>(QLatin1String(name)); };

    OnClick(button("btnFNGetStatus"), [this] { FNGetStatus(); });
    OnCommand(button("btnFNGetSerial"), &TKassio::FNGetSerial,
              [this] { FReport.AddLine(KassioTest::tr("Номер ФН"), Driver()->SerialNumber); });
    OnCommand(button("btnFNGetExpirationTime"), &TKassio::FNGetExpirationTime, [this] {
        TDriver *d = Driver();
        FReport.AddLine(KassioTest::tr("Срок действия ФН"), DateTimeText(d->Date));
        FReport.AddLine(KassioTest::tr("Кол-во оставшихся отчетов о перерегистрации"), QString::number(d->FreeRegistration));
        FReport.AddLine(KassioTest::tr("Выполнено отчетов о перерегистрации"), QString::number(d->RegistrationNumber));
    });
    OnCommand(button("btnFNGetVersion"), &TKassio::FNGetVersion, [this] {
        TDriver *d = Driver();
        FReport.AddLine(KassioTest::tr("Версия ПО ФН"), d->FNSoftVersion);
        FReport.AddLine(KassioTest::tr("Тип ПО ФН"), HexCode(d->FNSoftType, FNVersionTypeToStr(d->FNSoftType)));
    });
    OnSuccessOnly(button("btnFNGetImplementation"), &TKassio::FNGetImplementation,
                  [this] { FReport.AddLine(KassioTest::tr("Исполнение ФН:"), Driver()->FNImplementation); });
    OnSuccessOnly(button("btnFNGetDocumentSize"), &TKassio::FNGetDocumentSize, [this] {
        TDriver *d = Driver();
        FReport.AddLine(KassioTest::tr("Размер текущего документа для ОФД, байт"), QString::number(d->DocumentSize));
        FReport.AddLine(KassioTest::tr("Размер текущего уведомления о реализации маркированных товаров для ОИСМ, байт"),
                        QString::number(d->NotificationSize));
    });
    OnSuccessOnly(button("btnFNGetOSUSupportStatus"), &TKassio::FNGetOSUSupportStatus, [this] {
        FReport.AddLine(KassioTest::tr("Статус поддержки ОСУ:"), OSUSupportStatusToStr(Driver()->FNOSUSupportStatus));
    });
    OnSuccessOnly(button("btnFNGetFreeMemoryResource"), &TKassio::FNGetFreeMemoryResource, [this] {
        TDriver *d = Driver();
        FReport.AddLine(KassioTest::tr("Ресурс данных 5 летнего хранения"),
                        QString::number(d->FN5YearResource) + KassioTest::tr(" документов"));
        FReport.AddLine(KassioTest::tr("Ресурс данных 30 дневного хранения"),
                        QString::number(d->FN30DayResource) + KassioTest::tr(" Кб"));
        if (d->FNMarkingFillPercentage >= 0)
            FReport.AddLine(KassioTest::tr("Процент заполнения оласти хранения увед. о реализации маркир. товара"),
                            QString::number(d->FNMarkingFillPercentage) + QStringLiteral(" %"));
    });
    OnClick(button("btnFNCountersSync"), [] { Driver()->FNCountersSync(); });
    OnCommand(button("btnFNBeginOpenSessioin"), &TKassio::FNBeginOpenSession);
    OnClick(button("btnFNOpenSession"), [this] { FNOpenSession(); });
    OnCommand(button("btnFNBeginCloseSession"), &TKassio::FNBeginCloseSession);
    OnCommand(button("btnFNCloseSession"), &TKassio::PrintReportWithCleaning);
    OnCommand(button("btnBeginCalculationStateReport"), &TKassio::FNBeginCalculationStateReport);
    OnCommand(button("btnBuildCalculationStateReport"), &TKassio::FNBuildCalculationStateReport, [this] {
        TDriver *d = Driver();
        FReport.AddLine(KassioTest::tr("Номер ФД"), UIntStr(d->DocumentNumber));
        FReport.AddLine(KassioTest::tr("Фискальный признак"), UIntStr(d->FiscalSign));
        FReport.AddLine(KassioTest::tr("Кол-во неподтвержденных документов"), UIntStr(d->DocumentCount));
        FReport.AddLine(KassioTest::tr("Дата первого неподтвержденного документа"), DateTimeText(d->Date, d->Time));
    });
    OnCommand(button("btnFNGetCurrentSessionParams"), &TKassio::FNGetCurrentSessionParams, [this] {
        TDriver *d = Driver();
        FReport.AddLine(KassioTest::tr("Номер смены"), QString::number(d->SessionNumber));
        FReport.AddLine(KassioTest::tr("Состояние смены"), QString::number(d->FNSessionState));
        FReport.AddLine(KassioTest::tr("Номер чека"), QString::number(d->ReceiptNumber));
    });
    OnClick(button("btnFNResetState"), [this] {
        Memo->clear();
        Driver()->RequestType = StrToInt(edtRequestType->text());
        Check(Driver()->FNResetState());
    });
    OnCommand(button("btnFNCancelDocument"), &TKassio::FNCancelDocument);
    OnCommand(button("btnFNBeginCloseFiscalMode"), &TKassio::FNBeginCloseFiscalMode);
    connect(button("btnFNCloseFiscalMode"), &QPushButton::clicked, this, [this] { Guarded(this, [this] { FNCloseFiscalMode(); }); });
    OnClick(button("btnFNFindDocument"), [this] { FNFindDocument(); });
    OnClick(button("btnFNReadFiscalBarcode"), [this] { FNReadFiscalBarcode(); });
    OnClick(button("btnFNUpdateOKPKeys"), [this] { FNUpdateOKPKeys(); });
}

QPushButton *TfmFN::AddButton(const char *Name, const QString &Caption, const QString &Hint)
{
    auto *button = new QPushButton(Caption, this);
    button->setObjectName(QLatin1String(Name));
    if (!Hint.isEmpty())
        button->setToolTip(Hint);
    return button;
}

void TfmFN::OnCommand(QPushButton *Button, int (TKassio::*Method)(), std::function<void()> Lines)
{
    OnClick(Button, [this, Method, Lines = std::move(Lines)] {
        Memo->clear();
        Check((Driver()->*Method)());
        if (Lines)
            Lines();
    });
}

void TfmFN::OnSuccessOnly(QPushButton *Button, int (TKassio::*Method)(), std::function<void()> Lines)
{
    OnClick(Button, [this, Method, Lines = std::move(Lines)] {
        Memo->clear();
        (Driver()->*Method)();
        if (Driver()->ResultCode == 0)
            Lines();
    });
}

void TfmFN::FNGetStatus()
{
    Memo->clear();
    TDriver *d = Driver();
    Check(d->FNGetStatus());
    FReport.AddLifeState(d->FNLifeState);
    FReport.AddLine(KassioTest::tr("Текущий документ"), HexCode(d->FNCurrentDocument, FNStatusDocumentTypeToStr(d->FNCurrentDocument)));
    FReport.AddLine(KassioTest::tr("Данные документа"), HexCode(d->FNDocumentData, FNDocumentDataToStr(d->FNDocumentData)));
    FReport.AddLine(KassioTest::tr("Состояние смены"), HexCode(d->FNSessionState, FNSessionStateToStr(d->FNSessionState)));
    FReport.AddLine(KassioTest::tr("Флаги предупреждения"), HexCode(d->FNWarningFlags));
    FReport.AddLine(KassioTest::tr("Дата и время ФН"), DateTimeText(d->Date, d->Time));
    FReport.AddLine(KassioTest::tr("Номер ФН"), d->SerialNumber);
    FReport.AddLine(KassioTest::tr("Номер последнего ФД"), UIntStr(d->DocumentNumber));
}

void TfmFN::FNOpenSession()
{
    Memo->clear();
    TDriver *d = Driver();
    Check(d->OpenSession());
    Check(d->GetShortECRStatus());
    FReport.Add(KassioTest::tr("Состояние обновления ключей:"));
    FReport.Add(GetUpdateKeysResult(d->UpdateKeysResultCode, d->UpdateKeysStatus));
}

void TfmFN::FNCloseFiscalMode()
{
    if (ShowMessage(this, TMessageKind::Warning, KassioTest::tr("Закрытие фискального режима?"),
                    KassioTest::tr("Вы уверены, что хотите произвести закрытие фискального режима?\r\nДанное действие необратимо."),
                    QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok) {
        return;
    }
    RunFrame([this] {
        Memo->clear();
        TDriver *d = Driver();
        Check(d->FNCloseFiscalMode());
        FReport.AddLine(KassioTest::tr("Номер ФД"), UIntStr(d->DocumentNumber));
        FReport.AddLine(KassioTest::tr("Фискальный признак"), UIntStr(d->FiscalSign));
    });
}

void TfmFN::FNFindDocument()
{
    Memo->clear();
    TDriver *d = Driver();
    d->DocumentNumber = StrToDocumentNumber(edtDocumentNumber->text());
    Check(d->FNFindDocument());
    FReport.AddLine(KassioTest::tr("Тип фиск. документа"),
                    QStringLiteral("%1, %2").arg(d->DocumentType).arg(FNFindDocumentTypeToStr(d->DocumentType)));
    FReport.AddLine(KassioTest::tr("Получена ли квитанция из ОФД"), BoolToYesNo(d->OFDTicketReceived));
    FReport.AddDocumentData(*d);
}

void TfmFN::FNReadFiscalBarcode()
{
    Memo->clear();
    TDriver *d = Driver();
    d->DocumentNumber = StrToDocumentNumber(edtDocumentNumber->text());
    Check(d->FNReadFiscalBarcode());
    Memo->setPlainText(d->BarCode);
}

void TfmFN::FNUpdateOKPKeys()
{
    Memo->clear();
    QByteArray response;
    Check(Driver()->SendCommand(UpdateOKPKeysCommand, response));
    // The reply repeats the command byte and carries the error code before
    // the command's own data.
    const QByteArray data = response.mid(2);
    if (data.isEmpty())
        return;
    FReport.Add(KassioTest::tr("Результат обновления ключей ОКП: "));
    FReport.Add(UpdateOKPKeysResultToStr(static_cast<quint8>(data.at(0))));
}
