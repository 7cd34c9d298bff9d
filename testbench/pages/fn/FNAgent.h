#pragma once
// TfmFNAgent, "Агент": the agent attributes of a receipt or of its last
// position. The receipt pages read them through AgentTags() and send them
// with the routines of AgentTags.h.

#include "testbench/pages/fn/AgentTags.h"
#include "testbench/shell/Page.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TfmFNAgent : public TPage
{
    Q_OBJECT
public:
    explicit TfmFNAgent(QWidget *parent = nullptr);

    void UpdatePage() override;
    // Buttons come back as the mode allows, not all of them.
    void EnableButtons(bool Value) override;
    // The attributes as the page's controls set them.
    TAgentTags AgentTags() const;

private:
    struct TTagField
    {
        int Tag;
        bool Several;
        QLineEdit *Edit;
        QCheckBox *Use;
    };

    bool PositionMode() const;
    // In document mode the supplier's name and INN do not apply.
    void UpdateView();

    QRadioButton *rbTagsPosition;
    QRadioButton *rbTagsDocument;
    std::array<QCheckBox *, 7> chkAgent{};
    QList<TTagField> FAgentFields;
    QList<TTagField> FSupplierFields;
    QLineEdit *edt1225 = nullptr;
    QCheckBox *chkUse1225 = nullptr;
    QLineEdit *edtSupplierINN;
    QCheckBox *chkUse1226;
    QPushButton *btnFNSendAgentSign;
    QPushButton *btnSendAgentData;
    QPushButton *btnSendSupplierData;
    QPushButton *btnSendSupplierINN;
};
