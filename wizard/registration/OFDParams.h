#pragma once
// "Настройки ОФД": the OFD server, names, tax authority site, marking-code
// server and sender e-mail, prefilled from the record or the register, with
// XML templates per OFD. In the OFD setup job the page also writes the
// connection settings into the register's OFD table.

#include "wizard/registration/OfdTemplates.h"
#include "wizard/shell/ParamPage.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfmOFDParams : public TParamPage
{
    Q_OBJECT
public:
    TfmOFDParams();
    void FormShow() override;
    void Next() override;

    // The edits from the record, else from the register.
    void ReadFromKKT();
    // The edits into the record (not into the register).
    void SaveToKKT();
    // The values shown when the page opened, put back by the placeholder.
    void SaveDefParams();
    void RestoreDefParams();

private:
    TOfdTemplate EditValues() const;
    void ShowValues(const TOfdTemplate &values);
    void cbTemplateChange(int index);
    void btnOpenFileClick();
    void btnSaveFileClick();
    void WriteConnectionToKKT();

    QComboBox *cbTemplate = nullptr;
    QPushButton *btnOpenFile = nullptr;
    QPushButton *btnSaveFile = nullptr;
    QLineEdit *edtOFDServer = nullptr;
    QLineEdit *edtOFDPort = nullptr;
    QLineEdit *edtOFDName = nullptr;
    QLineEdit *edtOFDUrl = nullptr;
    QLineEdit *edtINNOFD = nullptr;
    QLineEdit *edtTaxOfficeURL = nullptr;
    QLabel *lblServerKM = nullptr;
    QLineEdit *edtServerKM = nullptr;
    QLabel *lblPortKM = nullptr;
    QLineEdit *edtPortKM = nullptr;
    QLineEdit *edtSenderEmail = nullptr;

    TOfdTemplate FDefRegParams;
    QStringList FFileList;
};
