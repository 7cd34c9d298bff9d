#pragma once
// "Проверка состояния": the state check of the register and its fiscal drive
// before a job: the shift must be closed and every document sent to the OFD;
// the register's clock is compared with the computer's. One form; the three
// jobs that use it differ only in the page that follows.

#include "wizard/shell/ParamPage.h"

class QLabel;
class QPushButton;

class TfmCheckStatus : public TParamPage
{
    Q_OBJECT
public:
    TfmCheckStatus();
    void FormShow() override;
    void UpdateState();

    // "1 мин. 5 сек." for 65 seconds, " 5 сек." below a minute, and
    // "время совпадает" for none.
    static QString TimeDiffText(qint64 seconds);

protected:
    void btnCloseSessionClick();
    void btnSyncDateTimeClick();
    void btnSkipClick();

    QLabel *lblOFDStatus = nullptr;
    QLabel *lbl4 = nullptr;
    QLabel *lblTimePC = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lblTimeKKT = nullptr;
    QLabel *lblTimeDiffInfo = nullptr;
    QLabel *lblTimeDiff = nullptr;
    QPushButton *btnUpdataState = nullptr;
    QPushButton *btnCloseSession = nullptr;
    QPushButton *btnSkip = nullptr;
    QPushButton *btnSyncDateTime = nullptr;
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
