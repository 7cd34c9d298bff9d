#pragma once
// TfmFNFiscalization, "Фискализация ФН": registration and re-registration of
// the register through its fiscal drive, and the registration data read
// back (results of a registration, its document as text, one of its tags).

#include "testbench/pages/fn/FnReport.h"
#include "testbench/shell/Page.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TfmFNFiscalization : public TPage
{
    Q_OBJECT
public:
    explicit TfmFNFiscalization(QWidget *parent = nullptr);

    void UpdatePage() override { UpdateForm(); }

private:
    QPushButton *AddButton(const char *Name, const QString &Caption, const char *Hint);

    void TaxSystemClick();
    void WorkModeClick();
    void UpdateForm();
    void SelectReasonCodes();

    // False when the user declined the FFD 1.2 support warning.
    bool CheckAndQueryforOSU();
    void CheckINNLength() const;
    void BeginRegistrationReport();
    void BuildReport(bool Reregistration);
    void GetFiscalizationResult();
    void GetFiscalizationResultByNumber();
    void ReadRegistrationDoc();
    void ReadRegistrationTag();
    // The result block of both result queries; OfdInn and WorkModeEx as found.
    void ShowResult(const QString &Heading, const QString &OfdInn, int WorkModeEx);

    int WorkModeExByte() const;
    bool AutomaticMode() const;

    QComboBox *cbReportTypeInt = nullptr;
    QLineEdit *edtINN = nullptr;
    QComboBox *cbINNType = nullptr;
    QLineEdit *edtKKTRegistrationNumber = nullptr;
    QLineEdit *edtTaxType = nullptr;
    std::array<QCheckBox *, 6> chbTax{}; // by bit; bit 3 (ЕНВД) has no box
    QLineEdit *edtWorkMode = nullptr;
    std::array<QCheckBox *, 8> chbWorkMode{};
    QLineEdit *edtWorkModeEx = nullptr;
    std::array<QCheckBox *, 8> chkWorkModeEx{};
    QLineEdit *edtAutomatNumber = nullptr;
    QComboBox *cbReasonCode = nullptr;
    QLineEdit *edtReasonCodeEx = nullptr;
    QLineEdit *edtRegistrationNumber = nullptr;
    QLineEdit *edtTagNumber = nullptr;
    QPlainTextEdit *Memo = nullptr;
    TFnReport FReport{nullptr};
};
