#pragma once
// "Выберите тип подключения к ККТ": a serial port or TCP.

#include "wizard/shell/ChoicePage.h"

class TfmSelectPortType : public TChoicePage
{
    Q_OBJECT
public:
    TfmSelectPortType();
    void Next() override;
};
