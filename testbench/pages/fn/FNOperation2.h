#pragma once
// TfmFNOperation2, "Чек коррекции (ФФД 1.05)": correction receipts of the
// 1.05 format: the full form with sixteen sums, the same preceded by the
// basis document's tags, and the older one-sum form.

#include "driver/Kassio.h"
#include "testbench/pages/fn/FnReport.h"
#include "testbench/shell/Page.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TfmFNOperation2 : public TPage
{
    Q_OBJECT
public:
    explicit TfmFNOperation2(QWidget *parent = nullptr);

private:
    struct TSumEdit
    {
        QLineEdit *Edit;
        const char *Property; // names the field in the amount's error message
        qint64 TKassio::*Member;
    };

    // 1 (income correction) or 3 (expense correction).
    int CalculationSign() const;
    void BuildCorrection2();
    void AddResultLines();

    QComboBox *cbCorrectionType;
    QComboBox *cbCalculationSign;
    QComboBox *cbTaxSystem;
    QList<TSumEdit> FSums;
    QCheckBox *chkAddTaxes;
    QLineEdit *edtDocNumber;
    QDateEdit *dtpDate;
    QPlainTextEdit *Memo;
    QPushButton *btnFNBeginCorrectionReceipt;
    QPushButton *btnFNBuildCorrectionReceipt2;
    QPushButton *btnCorrectionReceiptWithTags;
    QPushButton *btnFNBuildCorrectionReceipt;
    TFnReport FReport{nullptr};
};
