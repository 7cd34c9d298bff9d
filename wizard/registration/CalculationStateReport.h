#pragma once
// "Отчет о текущем состоянии расчетов": next prints the FN's report on the
// current state of settlements and returns to the job list.

#include "wizard/shell/ParamPage.h"

class QLabel;

class TfmCalculationStateReport : public TParamPage
{
    Q_OBJECT
public:
    TfmCalculationStateReport();
    void Next() override;

private:
    QLabel *lblSerialEntered = nullptr;
};
