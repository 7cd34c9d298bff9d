#include "wizard/registration/CheckStatus.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/BeforeCloseFN.h"
#include "wizard/registration/EnterSerial.h"
#include "wizard/registration/PageControls.h"
#include "wizard/registration/SelectClientType.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>

namespace {

constexpr int ShiftClosed = 4;
constexpr int DocumentOpen = 8;

QString shortDateTime(const QDateTime &t)
{
    return QLocale().toString(t, QLocale::ShortFormat);
}

} // namespace

TfmCheckStatus::TfmCheckStatus() : TParamPage(QStringLiteral("Проверка состояния"))
{
    lblOFDStatus = NamedLabel(this, "lblOFDStatus");
    QFont bold = lblOFDStatus->font();
    bold.setBold(true);
    lblOFDStatus->setFont(bold);
    lbl4 = NamedLabel(this, "lbl4", QStringLiteral("Дата и время в ПК:"));
    lblTimePC = NamedLabel(this, "lblTimePC");
    lbl2 = NamedLabel(this, "lbl2", QStringLiteral("Дата и время в ККТ:"));
    lblTimeKKT = NamedLabel(this, "lblTimeKKT");
    lblTimeDiffInfo = NamedLabel(this, "lblTimeDiffInfo", QStringLiteral("Разница во времени:"));
    lblTimeDiff = NamedLabel(this, "lblTimeDiff");
    btnUpdataState = NamedButton(this, "btnUpdataState", QStringLiteral("Обновить состояние"));
    btnCloseSession = NamedButton(this, "btnCloseSession", QStringLiteral("Закрыть смену"));
    btnSkip = NamedButton(this, "btnSkip", QStringLiteral("Пропустить проверку..."));
    btnSkip->hide();
    btnSyncDateTime = NamedButton(this, "btnSyncDateTime", QStringLiteral("Синхронизировать дату и время"));

    auto *times = new QGridLayout;
    times->addWidget(lbl4, 0, 0);
    times->addWidget(lblTimePC, 0, 1);
    times->addWidget(lbl2, 1, 0);
    times->addWidget(lblTimeKKT, 1, 1);
    times->addWidget(lblTimeDiffInfo, 2, 0);
    times->addWidget(lblTimeDiff, 2, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnUpdataState, btnCloseSession, btnSkip, btnSyncDateTime})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblOFDStatus);
    layout->addLayout(times);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(btnUpdataState, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { UpdateState(); }); });
    connect(btnCloseSession, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { btnCloseSessionClick(); }); });
    connect(btnSyncDateTime, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { btnSyncDateTimeClick(); }); });
    connect(btnSkip, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { btnSkipClick(); }); });
}

QString TfmCheckStatus::TimeDiffText(qint64 seconds)
{
    seconds = qAbs(seconds);
    if (seconds == 0)
        return QStringLiteral("время совпадает");
    QString text;
    if (seconds >= 60)
        text = QStringLiteral("%1 мин.").arg(seconds / 60);
    return text + QStringLiteral(" %1 сек.").arg(seconds % 60);
}

void TfmCheckStatus::FormShow()
{
    UpdateState();
}

void TfmCheckStatus::UpdateState()
{
    btnSkip->hide();
    // A check that fails half way does not let the job go on, but can be
    // tried again.
    Controller().EnableNext(false);
    btnUpdataState->setEnabled(true);
    TKassio &d = WizardDriver();
    // The port is let go when the check fails or all documents are sent;
    // while documents wait, the link stays up for the driver to send them.
    bool release = true;
    struct TRelease {
        bool &release;
        ~TRelease()
        {
            if (release && WizardDriverExists())
                WizardDriver().Disconnect();
        }
    } releaser{release};

    CheckResult(d.GetECRStatus());
    const QDateTime kkt(d.Date.date(), d.Time.time());
    const QDateTime pc = QDateTime::currentDateTime();
    lblTimePC->setText(shortDateTime(pc));
    lblTimeKKT->setText(shortDateTime(kkt));
    const qint64 diff = kkt.msecsTo(pc) / 1000;
    lblTimeDiff->setText(TimeDiffText(diff));
    SetLabelColor(lblTimeDiff, diff == 0 ? "green" : "red");

    const bool shiftClosed = d.ECRMode == ShiftClosed;
    btnCloseSession->setEnabled(!shiftClosed);

    d.OFDExchangeSuspended = false;
    CheckResult(d.FNGetInfoExchangeStatus());
    const int count = d.MessageCount;
    btnUpdataState->setEnabled(count != 0);
    Controller().EnableNext(shiftClosed && count == 0);

    if (!shiftClosed) {
        SetLabelColor(lblOFDStatus, "red");
        lblOFDStatus->setText(QStringLiteral("Внимание! Смена не закрыта.\r\nПродолжение невозможно"));
    } else if (count == 0) {
        SetLabelColor(lblOFDStatus, "black");
        lblOFDStatus->setText(
            QStringLiteral("Смена закрыта. Все сообщения отправлены в ОФД.\r\nНажмите \"Далее\" для продолжения"));
    } else {
        SetLabelColor(lblOFDStatus, "red");
        lblOFDStatus->setText(
            QStringLiteral("Внимание! Есть неотправленные сообщения для ОФД (%1 шт.)\r\nПродолжение невозможно")
                .arg(count));
        btnSkip->show();
    }
    release = count == 0;
}

void TfmCheckStatus::btnCloseSessionClick()
{
    {
        TDisconnectOnExit disconnect;
        TKassio &d = WizardDriver();
        CheckResult(d.GetECRStatus());
        if (d.ECRMode == DocumentOpen) {
            CheckResult(d.SysAdminCancelCheck());
            CheckResult(d.WaitForPrinting());
        }
        CheckResult(d.PrintReportWithCleaning());
        CheckResult(d.WaitForPrinting());
    }
    UpdateState();
}

void TfmCheckStatus::btnSyncDateTimeClick()
{
    TDisconnectOnExit disconnect;
    TKassio &d = WizardDriver();
    const QDateTime now = QDateTime::currentDateTime();
    d.Date = now;
    d.Time = now;
    CheckResult(d.SetDate());
    CheckResult(d.ConfirmDate());
    CheckResult(d.SetTime());
    UpdateState();
}

void TfmCheckStatus::btnSkipClick()
{
    // The shell's next runs this page's Next and moves on.
    Controller().EnableNext(true);
    Controller().Next();
}

void TFmCheckStatusBeforeRegistration::Next()
{
    TDisconnectOnExit disconnect;
    Controller().SetNext<TfmEnterSerial>();
}

void TFmCheckStatusBeforeReRegistration::Next()
{
    TDisconnectOnExit disconnect;
    Controller().SetNext<TfmSelectClientType>();
}

void TFmCheckStatusBeforeCloseFN::Next()
{
    TDisconnectOnExit disconnect;
    Controller().SetNext<TfmBeforeCloseFN>();
}
