#pragma once
// "Завершение": the last page of every long job; next returns to the start.

#include "wizard/shell/ParamPage.h"

class QLabel;

class TfmFinalMessage : public TParamPage
{
    Q_OBJECT
public:
    TfmFinalMessage();
    void Next() override;

private:
    QLabel *lblInfo = nullptr;
};
