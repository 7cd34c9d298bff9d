#pragma once
// "Тип налогообложения и режим работы ККТ": tax systems, work modes, extra
// modes and agent kinds as check boxes standing for the bits of the
// registration record; for a re-registration also the reason codes.

#include "wizard/shell/ParamPage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfmWorkMode : public TParamPage
{
    Q_OBJECT
public:
    TfmWorkMode();
    void FormShow() override;
    void Next() override;

private:
    void UpdateAutomatNumber();
    void btnSelectReasonCodesClick();
    // Ticks the boxes of a group from the bits of value.
    template <std::size_t N>
    static void SetBits(const std::array<QCheckBox *, N> &boxes, quint32 value);
    template <std::size_t N>
    static quint8 GetBits(const std::array<QCheckBox *, N> &boxes);

    QLabel *lblTax = nullptr;
    std::array<QCheckBox *, 6> chkTax{}; // by bit; bit 3 has no box
    QLabel *lbl1 = nullptr;
    std::array<QCheckBox *, 8> chkWorkMode{};
    std::array<QCheckBox *, 8> chkWorkModeEx{};
    QLabel *lblAgent = nullptr;
    std::array<QCheckBox *, 7> chkAgent{};
    QLabel *lblAutomatNumber = nullptr;
    QLineEdit *edtAutomatNumber = nullptr;
    QLabel *lblReasonCode = nullptr;
    QComboBox *cbReasonCode = nullptr;
    QLabel *lblReasonCodexEx = nullptr;
    QLineEdit *edtReasonCodes = nullptr;
    QPushButton *btnSelectReasonCodes = nullptr;
    QLabel *lbl2 = nullptr;
};
