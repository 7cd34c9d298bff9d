#include "testbench/pages/status/DeviceStatusPage.h"
#include "testbench/shell/ReportMemo.h"

#include "driver/Driver.h"
#include "testbench/pages/status/StatusListing.h"
#include "testbench/shell/PageTable.h"
#include "testbench/shell/Translation.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

KASSIO_PAGE_FACTORY(TfmDeviceStatus)

TfmDeviceStatus::TfmDeviceStatus()
{
    setObjectName(QStringLiteral("fmDeviceStatus"));
    setWindowTitle(KassioTest::tr("Запросы"));
    auto *layout = new QHBoxLayout(this);
    Memo = CreateReportMemo(this);
    layout->addWidget(Memo, 1);
    FButtonPanel = new QWidget(this);
    auto *buttons = new QVBoxLayout(FButtonPanel);
    buttons->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FButtonPanel);

    const auto listing = [this](QPushButton *button, void (TfmDeviceStatus::*body)(TStatusListing &)) {
        OnClick(button, [this, body] { Listing([this, body](TStatusListing &L) { (this->*body)(L); }); });
    };
    listing(AddButton("btnEcrStatus", KassioTest::tr("Длинный запрос"), "GetECRStatus"), &TfmDeviceStatus::EcrStatus);
    listing(AddButton("btnShortEcrStatus", KassioTest::tr("Краткий запрос"), "GetShortECRStatus"),
            &TfmDeviceStatus::ShortEcrStatus);
    listing(AddButton("btnDeviceMetrics", KassioTest::tr("Параметры устройства"), "GetDeviceMetrics"),
            &TfmDeviceStatus::DeviceMetrics);
    OnClick(AddButton("btnResetPrinter", KassioTest::tr("Сбросить состояние"), "ResetECR"),
            [] { Check(Driver()->ResetECR()); });
    listing(AddButton("btnGetModelParams", KassioTest::tr("Параметры модели"), "ReadModelParam"),
            &TfmDeviceStatus::ModelParams);
    listing(AddButton("btnDriverVersion", KassioTest::tr("Версия драйвера"), "DriverVersion"),
            &TfmDeviceStatus::DriverVersion);
    OnClick(AddButton("btnTables", KassioTest::tr("Таблицы..."), "ShowTablesDlg"), [this] { ShowTables(); });
    listing(AddButton("btnErrorList", KassioTest::tr("Описания ошибок"), "ReadErrorDescription"),
            &TfmDeviceStatus::ErrorList);
    listing(AddButton("btnSerial", KassioTest::tr("Заводской номер"), "ReadSerialNumber"),
            &TfmDeviceStatus::SerialNumber);
    buttons->addStretch(1);
}

QPushButton *TfmDeviceStatus::AddButton(const char *name, const QString &caption, const char *method)
{
    auto *button = new QPushButton(caption, FButtonPanel);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(method));
    FButtonPanel->layout()->addWidget(button);
    return button;
}

void TfmDeviceStatus::Listing(const std::function<void(TStatusListing &)> &body)
{
    Memo->clear();
    TStatusListing L(TListingKind::Requests, Memo);
    Memo->setUpdatesEnabled(false);
    try {
        body(L);
    } catch (...) {
        Memo->setUpdatesEnabled(true);
        throw;
    }
    Memo->setUpdatesEnabled(true);
    Memo->moveCursor(QTextCursor::Start);
}

void TfmDeviceStatus::EcrStatus(TStatusListing &L)
{
    TDriver &d = *Driver();
    Check(d.GetECRStatus());
    TStatusCaps caps;
    caps.FN = d.CapFN();
    caps.CashCore = d.CapCashCore();
    caps.SKNO = d.CapSKNO();
    // The capability reads overwrite nothing of the status answer.
    L.AddLongStatus(d, caps);
}

void TfmDeviceStatus::ShortEcrStatus(TStatusListing &L)
{
    TDriver &d = *Driver();
    Check(d.GetShortECRStatus());
    TStatusCaps caps;
    caps.FN = d.CapFN();
    caps.ModelID = d.GetModelID();
    caps.LastPrintResult = d.CapLastPrintResult();
    L.AddShortStatus(d, caps);
}

void TfmDeviceStatus::DeviceMetrics(TStatusListing &L)
{
    TDriver &d = *Driver();
    Check(d.GetDeviceMetrics());
    L.AddDeviceMetrics(d);
}

void TfmDeviceStatus::ModelParams(TStatusListing &L)
{
    TDriver &d = *Driver();
    Check(d.GetDeviceMetrics());
    L.AddHeading(KassioTest::tr(" Параметры Модели:"));
    const int count = d.ModelParamCount;
    for (int index = 0; index < count; ++index) {
        d.ModelParamIndex = index;
        if (d.ReadModelParam() != 0)
            return; // the result panel shows why the listing ends here
        const QVariant &value = d.ModelParamValue;
        const QString text = value.typeId() == QMetaType::Bool ? BoolToYesNo(value.toBool()) : value.toString();
        const QString label = QStringLiteral("%1. ").arg(d.ModelParamNumber, 4) + d.ModelParamDescription;
        L.AddLineWidth(label, text, 44);
    }
}

void TfmDeviceStatus::DriverVersion(TStatusListing &L)
{
    TDriver &d = *Driver();
    L.AddHeading(KassioTest::tr(" Версия драйвера:"));
    L.AddLineWidth(KassioTest::tr("Версия"), QString::number(d.DriverMajorVersion), 14);
    L.AddLineWidth(KassioTest::tr("Подверсия"), QString::number(d.DriverMinorVersion), 14);
    L.AddLineWidth(KassioTest::tr("Релиз"), QString::number(d.DriverRelease), 14);
    L.AddLineWidth(KassioTest::tr("Сборка"), QString::number(d.DriverBuild), 14);
    L.AddLineWidth(KassioTest::tr("Полная версия"), d.DriverVersion, 14);
}

void TfmDeviceStatus::ErrorList(TStatusListing &L)
{
    TDriver &d = *Driver();
    Check(d.GetDeviceMetrics());
    L.AddHeading(QLatin1Char(' ') + KassioTest::tr("Описания ошибок"));
    for (int code = 0; code <= 255; ++code) {
        d.ErrorCode = code;
        if (d.ReadErrorDescription() != 0)
            return;
        L.AddText(QLatin1Char(' ') + HexText(code, 2) + QStringLiteral(": ") + d.ErrorDescription);
    }
}

void TfmDeviceStatus::SerialNumber(TStatusListing &L)
{
    TDriver &d = *Driver();
    // A failed read must not show the number of an earlier answer as this one.
    Check(d.ReadSerialNumber());
    L.AddLine(KassioTest::tr("Заводской номер"), GetSerialNumber(d.SerialNumber));
}

void TfmDeviceStatus::ShowTables()
{
    TDriver &d = *Driver();
    d.ParentWnd = static_cast<int>(window()->winId());
    d.ShowTablesDlg();
}
