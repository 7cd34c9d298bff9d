#pragma once
// "Проверка состояния": the state check of the register and its fiscal drive
// before a job. One form; the three jobs that use it differ only in the page
// that follows. The checks themselves join with the fiscal steps.

#include "wizard/shell/ParamPage.h"

class TfmCheckStatus : public TParamPage
{
    Q_OBJECT
public:
    TfmCheckStatus();
};

class TFmCheckStatusBeforeRegistration : public TfmCheckStatus
{
    Q_OBJECT
public:
    void Next() override;
};

class TFmCheckStatusBeforeReRegistration : public TfmCheckStatus
{
    Q_OBJECT
public:
    void Next() override;
};

class TFmCheckStatusBeforeCloseFN : public TfmCheckStatus
{
    Q_OBJECT
public:
    void Next() override;
};
