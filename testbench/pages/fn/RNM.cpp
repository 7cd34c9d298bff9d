#include "testbench/pages/fn/RNM.h"

#include "common/RegistrationNumber.h"
#include "driver/Driver.h"
#include "testbench/shell/PageTable.h"
#include "testbench/shell/Translation.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

KASSIO_PAGE_FACTORY(TfmRNM)

TfmRNM::TfmRNM(QWidget *parent)
    : TPage(parent)
{
    setWindowTitle(KassioTest::tr("РНМ"));
    auto *layout = new QGridLayout(this);
    // The parts of an RNM are numbers: only digits get in, typed or pasted.
    auto *digitsOnly = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    const auto addField = [&](const char *name, const QString &caption, int maxLength) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(maxLength);
        edit->setValidator(digitsOnly);
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        const int row = layout->rowCount();
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row, 1);
        return edit;
    };
    edtINN = addField("edtINN", KassioTest::tr("ИНН (макс. 12 симв.):"), 12);
    edtSerial = addField("edtSerial", KassioTest::tr("Зав. Номер ККТ (макс 20 симв.):"), 20);
    edtNumber = addField("edtNumber", KassioTest::tr("Номер ККТ (макс. 10 симв.):"), 10);

    edtRNM = new QLineEdit(this);
    edtRNM->setObjectName(QStringLiteral("edtRNM"));
    edtRNM->setReadOnly(true);
    QPalette grey = edtRNM->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    edtRNM->setPalette(grey);
    auto *lblRNM = new QLabel(KassioTest::tr("РНМ:"), this);
    lblRNM->setBuddy(edtRNM);
    const int rnmRow = layout->rowCount();
    layout->addWidget(lblRNM, rnmRow, 0);
    layout->addWidget(edtRNM, rnmRow, 1);

    btnOpenDrawer = new QPushButton(KassioTest::tr("Сгенерировать РНМ"), this);
    btnOpenDrawer->setObjectName(QStringLiteral("btnOpenDrawer"));
    btnGetSerial = new QPushButton(KassioTest::tr("Запросить зав. номер"), this);
    btnGetSerial->setObjectName(QStringLiteral("btnGetSerial"));
    layout->addWidget(btnOpenDrawer, 0, 2);
    layout->addWidget(btnGetSerial, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(layout->rowCount(), 1);

    OnClick(btnGetSerial, [this] {
        Check(Driver()->ReadSerialNumber());
        edtSerial->setText(Driver()->SerialNumber);
    });
    OnClick(btnOpenDrawer,
            [this] { edtRNM->setText(GenerateRNM(edtNumber->text(), edtINN->text(), edtSerial->text())); });
}
