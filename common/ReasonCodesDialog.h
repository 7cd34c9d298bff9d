#pragma once
// TfmReasonCodes: the reasons for a change of the register's registration
// data (FFD 1.2), a set of up to 32 reasons held as one 32-bit value, one
// bit per reason. Both programs carry it; each makes one at start
// (TReasonCodesInstance) and its pages reach it through ReasonCodes().

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <span>

class QCheckBox;
class QPushButton;
class QScrollArea;

class TfmReasonCodes : public QDialog
{
    Q_OBJECT
public:
    // How the test bench's form keeps the states of its controls: Restore
    // runs once the controls exist, Save when the form is destroyed.
    struct TTestBenchForm
    {
        std::function<void(QWidget &form)> Restore;
        std::function<void(QWidget &form)> Save;
    };

    // The wizard's form: Russian captions as they are, nothing stored.
    explicit TfmReasonCodes(QWidget *parent = nullptr);
    // The test bench's form: captions through the test bench catalogue.
    explicit TfmReasonCodes(TTestBenchForm form, QWidget *parent = nullptr);
    ~TfmReasonCodes() override;

    // Checks exactly the boxes whose bits are set in Value. Bits without a
    // box (22 to 30) are kept aside and come back from GetCode unchanged.
    void SetCode(quint32 Value);
    // A bit for each checked box, plus the kept bits that have no box.
    quint32 GetCode() const;
    // The box whose tag is Bit, or none.
    QCheckBox *FindCheckBox(int Bit) const;

    // The callers' order: SetCode, shown modally, GetCode only after OK;
    // nothing when the dialog was closed any other way.
    std::optional<quint32> Choose(quint32 Value);

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls(bool translated);
    void ScrollByWheel(const QWheelEvent &event);

    QScrollArea *ScrollBox = nullptr;
    QPushButton *btnOk = nullptr;
    // Bits of the last SetCode that no box shows.
    quint32 FHiddenBits = 0;
    std::function<void(QWidget &form)> FSaveStates;
};

// Holds the program's one dialog from start to end (made in main).
class TReasonCodesInstance
{
public:
    explicit TReasonCodesInstance(std::unique_ptr<TfmReasonCodes> dialog);
    ~TReasonCodesInstance();
    TReasonCodesInstance(const TReasonCodesInstance &) = delete;
    TReasonCodesInstance &operator=(const TReasonCodesInstance &) = delete;
};

// The program's one dialog; none before main made it.
TfmReasonCodes *ReasonCodes();

// The reasons in the dialog's order: the bit and the caption, which starts
// with the reason's number (bit + 1) and is a source text of the test
// bench's catalogue.
struct TReasonCode
{
    int bit;
    const char *caption;
};
std::span<const TReasonCode> ReasonCodeList();
// A caption (also a translated one) without its leading number and blank.
QString WithoutReasonNumber(const QString &Caption);

// The Russian caption of the reason with that bit without its leading
// number, dot and blank ("Замена фискального накопителя" for bit 0); empty
// for a bit the dialog has no box for. Reports list reasons by these texts.
QString ReasonCodeText(int Bit);
