#include "common/ReasonCodesDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <utility>

namespace {

// The reasons in the FFD list order; the number in a caption is bit + 1.
constexpr TReasonCode Reasons[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "1. Замена фискального накопителя")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "2. Замена оператора фискальных данных")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "3. Изменение наименования пользователя контрольно-кассовой техники")},
    {3, QT_TRANSLATE_NOOP("KassioTest", "4. Изменение адреса и (или) места установки (применения) контрольно-кассовой техники")},
    {4, QT_TRANSLATE_NOOP("KassioTest", "5. Перевод ККТ из автономного режима в режим передачи данных")},
    {5, QT_TRANSLATE_NOOP("KassioTest", "6. Перевод ККТ из режима передачи данных в автономный режим")},
    {6, QT_TRANSLATE_NOOP("KassioTest", "7. Изменение версии модели ККТ")},
    {7, QT_TRANSLATE_NOOP("KassioTest", "8. Изменение перечня систем налогообложения, применяемых при осуществлении расчетов")},
    {8, QT_TRANSLATE_NOOP("KassioTest", "9. Изменение номера автоматического устройства для расчетов, в составе которого применяется ККТ")},
    {9, QT_TRANSLATE_NOOP("KassioTest", "10. Перевод ККТ из автоматического режима в неавтоматический режим (осуществление расчетов кассиром)")},
    {10, QT_TRANSLATE_NOOP("KassioTest", "11. Перевод ККТ из неавтоматического режима (осуществление расчетов кассиром) в автоматический режим")},
    {11, QT_TRANSLATE_NOOP("KassioTest", "12. Перевод ККТ из режима, не позволяющего формировать БСО, в режим, позволяющий формировать БСО")},
    {12, QT_TRANSLATE_NOOP("KassioTest", "13. Перевод ККТ из режима, позволяющего формировать БСО, в режим, не позволяющий формировать БСО")},
    {13, QT_TRANSLATE_NOOP("KassioTest", "14. Перевод ККТ из режима расчетов в сети Интернет (позволяющего не печатать кассовый чек и БСО) в режим, позволяющий печатать кассовый чек и БСО")},
    {14, QT_TRANSLATE_NOOP("KassioTest", "15. Перевод ККТ из режима, позволяющего печатать кассовый чек и БСО, в режим расчетов в сети Интернет (позволяющего не печатать кассовый чек и БСО)")},
    {15, QT_TRANSLATE_NOOP("KassioTest", "16. Перевод ККТ из режима, позволяющего оказывать услуги платежного агента (субагента) или банковского платежного агента, в режим, не позволяющий оказывать услуги платежного агента (субагента) или банковского платежного агента")},
    {16, QT_TRANSLATE_NOOP("KassioTest", "17. Перевод ККТ из режима, не позволяющего оказывать услуги платежного агента (субагента) или банковского платежного агента в режим, позволяющий оказывать услуги платежного агента (субагента) или банковского платежного агента")},
    {17, QT_TRANSLATE_NOOP("KassioTest", "18. Перевод ККТ из режима, позволяющего применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр, в режим, не позволяющий применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр")},
    {18, QT_TRANSLATE_NOOP("KassioTest", "19. Перевод ККТ из режима, не позволяющего применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр, в режим, позволяющий применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр")},
    {19, QT_TRANSLATE_NOOP("KassioTest", "20. Перевод ККТ из режима, позволяющего применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей, в режим, не позволяющий применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей")},
    {20, QT_TRANSLATE_NOOP("KassioTest", "21. Перевод ККТ из режима, не позволяющего применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей, в режим, позволяющий применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей")},
    {21, QT_TRANSLATE_NOOP("KassioTest", "22. Изменение версии ФФД")},
    {31, QT_TRANSLATE_NOOP("KassioTest", "32. Иные причины")},
};

const char *const Caption = QT_TRANSLATE_NOOP("KassioTest", "Коды причин изменения сведений о ККТ");
constexpr int MinimumWidth = 736;
// The label beside a box toggles it, like the box's own caption would.
constexpr char LabelOfBox[] = "kassioLabelOfBox";

std::unique_ptr<TfmReasonCodes> &Instance()
{
    static std::unique_ptr<TfmReasonCodes> dialog;
    return dialog;
}

} // namespace

TfmReasonCodes::TfmReasonCodes(QWidget *parent)
    : QDialog(parent)
{
    CreateControls(false);
}

TfmReasonCodes::TfmReasonCodes(TTestBenchForm form, QWidget *parent)
    : QDialog(parent)
    , FSaveStates(std::move(form.Save))
{
    CreateControls(true);
    if (form.Restore)
        form.Restore(*this);
}

TfmReasonCodes::~TfmReasonCodes()
{
    if (FSaveStates)
        FSaveStates(*this);
}

void TfmReasonCodes::CreateControls(bool translated)
{
    const auto text = [translated](const char *source) {
        return translated ? QCoreApplication::translate("KassioTest", source) : QString::fromUtf8(source);
    };
    setObjectName(QStringLiteral("fmReasonCodes"));
    setWindowFlag(Qt::Tool);
    setWindowTitle(text(Caption));
    setMinimumWidth(MinimumWidth);

    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("pnlReasons"));
    auto *rows = new QVBoxLayout(contents);
    for (int i = 0; const TReasonCode &reason : Reasons) {
        auto *row = new QHBoxLayout;
        auto *box = new QCheckBox(contents);
        box->setObjectName(QStringLiteral("chk%1").arg(i++));
        box->setProperty("tag", reason.bit);
        // A check box cannot wrap its caption: a word-wrapping label carries it.
        auto *label = new QLabel(text(reason.caption), contents);
        label->setWordWrap(true);
        label->setProperty(LabelOfBox, QVariant::fromValue<QObject *>(box));
        box->setAccessibleName(label->text());
        row->addWidget(box, 0, Qt::AlignTop);
        row->addWidget(label, 1);
        rows->addLayout(row);
    }
    rows->addStretch();

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(true);
    ScrollBox->setWidget(contents);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlBottom"));
    auto *buttons = new QHBoxLayout(panel);
    btnOk = new QPushButton(QStringLiteral("OK"), panel);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addStretch();
    buttons->addWidget(btnOk);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox, 1);
    layout->addWidget(panel);

    // The wheel anywhere over the dialog scrolls the box by its own rule.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    resize(MinimumWidth, 480);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

QCheckBox *TfmReasonCodes::FindCheckBox(int Bit) const
{
    for (QCheckBox *box : ScrollBox->widget()->findChildren<QCheckBox *>())
        if (box->property("tag").toInt() == Bit)
            return box;
    return nullptr;
}

void TfmReasonCodes::SetCode(quint32 Value)
{
    FHiddenBits = 0;
    for (int bit = 0; bit < 32; ++bit) {
        const bool set = (Value >> bit) & 1u;
        if (QCheckBox *box = FindCheckBox(bit))
            box->setChecked(set);
        else if (set)
            FHiddenBits |= 1u << bit;
    }
}

quint32 TfmReasonCodes::GetCode() const
{
    quint32 value = FHiddenBits;
    for (const QCheckBox *box : ScrollBox->widget()->findChildren<QCheckBox *>())
        if (box->isChecked())
            value |= 1u << box->property("tag").toInt();
    return value;
}

std::optional<quint32> TfmReasonCodes::Choose(quint32 Value)
{
    SetCode(Value);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return GetCode();
}

void TfmReasonCodes::ScrollByWheel(const QWheelEvent &event)
{
    QScrollBar *bar = event.modifiers().testFlag(Qt::ShiftModifier) ? ScrollBox->horizontalScrollBar()
                                                                    : ScrollBox->verticalScrollBar();
    bar->setValue(bar->value() - event.angleDelta().y());
}

void TfmReasonCodes::wheelEvent(QWheelEvent *event)
{
    ScrollByWheel(*event);
    event->accept();
}

bool TfmReasonCodes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        ScrollByWheel(*static_cast<QWheelEvent *>(event));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (auto *box = qobject_cast<QCheckBox *>(watched->property(LabelOfBox).value<QObject *>())) {
            box->toggle();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TReasonCodesInstance::TReasonCodesInstance(std::unique_ptr<TfmReasonCodes> dialog)
{
    Q_ASSERT(!Instance());
    Instance() = std::move(dialog);
}

TReasonCodesInstance::~TReasonCodesInstance()
{
    // Destroyed here, while the application still exists (the test bench
    // form saves its states now).
    Instance().reset();
}

TfmReasonCodes *ReasonCodes()
{
    return Instance().get();
}

std::span<const TReasonCode> ReasonCodeList()
{
    return Reasons;
}

QString WithoutReasonNumber(const QString &Caption)
{
    return Caption.mid(Caption.indexOf(QLatin1Char(' ')) + 1);
}

QString ReasonCodeText(int Bit)
{
    for (const TReasonCode &reason : Reasons)
        if (reason.bit == Bit)
            return WithoutReasonNumber(QString::fromUtf8(reason.caption));
    return {};
}
