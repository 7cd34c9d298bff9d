#pragma once
// "Введите заводской номер": a register that has no factory number yet gets
// the one the user types or scans; a register with one shows it read-only.

#include "wizard/shell/ParamPage.h"

class QLabel;
class QLineEdit;

class TfmEnterSerial : public TParamPage
{
    Q_OBJECT
public:
    TfmEnterSerial();
    void FormShow() override;
    void Next() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A scanned code "a;b;c;..." carries the number in its third field.
    void TakeScannedField();

    QLineEdit *edtSerial = nullptr;
    QLabel *lblSerialEntered = nullptr;
    bool FEntered = false;
};

// The number counts as entered unless it is empty or all "0".
bool IsSerialEntered(const QString &serial);
