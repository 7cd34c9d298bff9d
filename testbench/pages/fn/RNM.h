#pragma once
// TfmRNM: generates a register's registration number (RNM) from its number,
// the user's INN and its serial number; the serial number can be read from
// the register.

#include "testbench/shell/Page.h"

class QLineEdit;
class QPushButton;

class TfmRNM : public TPage
{
    Q_OBJECT
public:
    explicit TfmRNM(QWidget *parent = nullptr);

private:
    QLineEdit *edtINN;
    QLineEdit *edtSerial;
    QLineEdit *edtNumber;
    QLineEdit *edtRNM;
    QPushButton *btnOpenDrawer;
    QPushButton *btnGetSerial;
};
