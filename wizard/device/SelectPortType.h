#pragma once
// "Выберите тип подключения к ККТ": a serial port or TCP, and the system
// administrator's password every later command uses.

#include "wizard/shell/ChoicePage.h"

class QLabel;
class QLineEdit;

class TfmSelectPortType : public TChoicePage
{
    Q_OBJECT
public:
    TfmSelectPortType();
    void FormShow() override;
    void Next() override;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QLabel *lbl1 = nullptr;
    QLineEdit *edtSysAdminPassword = nullptr;
};
