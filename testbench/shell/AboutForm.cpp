#include "testbench/shell/AboutForm.h"

#include "driver/Driver.h"
#include "testbench/shell/Translation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString MakerSite = QStringLiteral("https://www.orvan.example/");

QString DriverVersionText()
{
    const TDriver *driver = Driver();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(driver->DriverMajorVersion)
        .arg(driver->DriverMinorVersion)
        .arg(driver->DriverRelease)
        .arg(driver->DriverBuild);
}

} // namespace

TfmAbout::TfmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(KassioTest::tr("О программе"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *versions = new QFormLayout;
    auto *lblDriverVersion = new QLabel(DriverVersionText(), this);
    lblDriverVersion->setObjectName(QStringLiteral("lblDriverVersion"));
    auto *lblTestVersion = new QLabel(QStringLiteral(KASSIO_VERSION), this);
    lblTestVersion->setObjectName(QStringLiteral("lblTestVersion"));
    versions->addRow(KassioTest::tr("Версия драйвера:"), lblDriverVersion);
    versions->addRow(KassioTest::tr("Версия теста драйвера:"), lblTestVersion);

    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(MakerSite), this);
    link->setObjectName(QStringLiteral("lblSite"));
    link->setOpenExternalLinks(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(versions);
    layout->addWidget(link);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
