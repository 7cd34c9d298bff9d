#pragma once
// "Закрытие архива ФН": closes the FN archive as soon as it is shown; in X5
// mode the closing document can then be saved as the customer's report.

#include "wizard/registration/X5Files.h"
#include "wizard/shell/ParamPage.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfmCloseFN : public TParamPage
{
    Q_OBJECT
public:
    TfmCloseFN();
    void FormShow() override;
    void Next() override;

private:
    void ReadX5Params();
    void ShowX5Controls(bool visible);
    void btnSaveX5Click();

    QLabel *lblStatus = nullptr;
    QLabel *lblX5FactoryCode = nullptr;
    QLineEdit *edtX5FactoryCode = nullptr;
    QPushButton *btnSaveX5 = nullptr;
    TX5CloseFNRec FX5Params;
};
