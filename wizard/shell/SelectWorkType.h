#pragma once
// "Выберите тип работы": the job list. Its show resets the registration data
// and asks the register whether it has an OFD settings table (model
// parameter 73), which decides whether the OFD setup job is offered. Next
// sets the job flags and names the job's first page.

#include "wizard/shell/ChoicePage.h"

class QLabel;

class TfmSelectWorkType : public TChoicePage
{
    Q_OBJECT
public:
    TfmSelectWorkType();
    void FormShow() override;
    void Next() override;

private:
    QLabel *lblDevice = nullptr;
};
