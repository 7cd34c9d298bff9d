#include "wizard/registration/OFDExchangeState.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/PageControls.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/FinalMessage.h"
#include "wizard/shell/WizardErrors.h"

#include <QVBoxLayout>

TfmOFDExchangeState::TfmOFDExchangeState() : TParamPage(QStringLiteral("Проверка отправки данных в ОФД"))
{
    lblInfo = NamedLabel(this, "lblInfo");
    QFont bold = lblInfo->font();
    bold.setBold(true);
    lblInfo->setFont(bold);
    btnRefresh = NamedButton(this, "btnRefresh", QStringLiteral("Обновить состояние"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addStretch();
    layout->addWidget(btnRefresh, 0, Qt::AlignLeft);
    connect(btnRefresh, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { UpdateState(); }); });
}

void TfmOFDExchangeState::FormShow()
{
    UpdateState();
}

void TfmOFDExchangeState::UpdateState()
{
    TDisconnectOnExit disconnect;
    lblInfo->clear();
    TKassio &d = WizardDriver();
    CheckResult(d.FNGetInfoExchangeStatus());
    const int count = d.MessageCount;
    if (count != 0)
        lblInfo->setText(QStringLiteral("Кол-во неотправленных документов в ОФД: %1\r\nПроверьте настройки соединения с Интернет")
                             .arg(count));
    else
        lblInfo->setText(QStringLiteral("Все документы успешно отправлены в ОФД\r\nНажмите \"Далее\""));
}

void TfmOFDExchangeState::Next()
{
    Controller().SetNext<TfmFinalMessage>();
}
