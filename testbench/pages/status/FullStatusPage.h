#pragma once
// "Полное состояние": long and short status, device parameters, every device
// table and all cash and operation registers in one listing, which "Прервать"
// stops and "Сохранить" writes to a text file.

#include "testbench/shell/Page.h"

class QPlainTextEdit;
class QPushButton;
class TDriver;
class TStatusListing;

class TfmFullStatus : public TPage
{
    Q_OBJECT
public:
    TfmFullStatus();

    // "Прервать" is enabled exactly while a listing runs (the page's buttons are off).
    void EnableButtons(bool Value) override;

private:
    void FullEcrStatus();
    void Tables(TStatusListing &L);
    // One table's lines; the code of the call that failed, else 0.
    int Table(TStatusListing &L, int Number, bool &Missing);
    void CashRegisters(TStatusListing &L);
    void OperationRegisters(TStatusListing &L);
    void SaveToFile();
    // Lets the user press "Прервать"; then stops the listing, else Check.
    void Check2(int Code);

    QPlainTextEdit *Memo;
    QPushButton *btnFullEcrStatus;
    QPushButton *btnInterrupt;
    QPushButton *btnSaveToFile;
    bool FStop = false;
};
