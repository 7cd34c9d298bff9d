#pragma once
// "Настройки подключения WiFi": the network the register joins and its
// address (DHCP or static, as dotted texts in table 22), written to tables
// 21 and 22.

#include "wizard/device/NetParamsPage.h"

class TfmWiFiParams : public TNetParamsPage
{
    Q_OBJECT
public:
    TfmWiFiParams();
    void FormShow() override;
    void Next() override;

    QLineEdit *edtWiFiSSID = nullptr;
    QLineEdit *edtWiFiPass = nullptr;
};
