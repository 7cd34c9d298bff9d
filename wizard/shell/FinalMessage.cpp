#include "wizard/shell/FinalMessage.h"
#include "wizard/device/ConnectDevice.h"
#include "wizard/shell/Controller.h"

#include <QLabel>
#include <QVBoxLayout>

TfmFinalMessage::TfmFinalMessage() : TParamPage(QStringLiteral("Завершение"))
{
    lblInfo = new QLabel(QStringLiteral("Все шаги выполнены. \r\nНажмите \"Далее\" для возврата в начало"), this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    QFont font(QStringLiteral("Arial"), 16);
    font.setBold(true);
    lblInfo->setFont(font);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addStretch();
}

void TfmFinalMessage::Next()
{
    Controller().SetNext<TfmConnectDevice>();
}
