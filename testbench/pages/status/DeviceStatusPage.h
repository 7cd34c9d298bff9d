#pragma once
// "Запросы": one button per status request; each listing replaces the memo.

#include "testbench/shell/Page.h"

class QPlainTextEdit;
class QPushButton;
class TStatusListing;

class TfmDeviceStatus : public TPage
{
    Q_OBJECT
public:
    TfmDeviceStatus();

private:
    QPushButton *AddButton(const char *name, const QString &caption, const char *method);
    // Clears the memo and runs body with the memo's painting held back; a
    // body that fails on its first call leaves the memo empty.
    void Listing(const std::function<void(TStatusListing &)> &body);

    void EcrStatus(TStatusListing &L);
    void ShortEcrStatus(TStatusListing &L);
    void DeviceMetrics(TStatusListing &L);
    void ModelParams(TStatusListing &L);
    void DriverVersion(TStatusListing &L);
    void ErrorList(TStatusListing &L);
    void SerialNumber(TStatusListing &L);
    void ShowTables();

    QPlainTextEdit *Memo;
    QWidget *FButtonPanel;
};
