#include "wizard/shell/MainForm.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include "wizard/device/CheckEthernet.h"
#include "wizard/device/CheckRNDIS.h"
#include "wizard/device/ConnectDevice.h"
#include "wizard/device/EthernetParams.h"
#include "wizard/device/RNDISParams.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/device/SelectNetType.h"
#include "wizard/device/SelectPortType.h"
#include "wizard/device/TCPParams.h"
#include "wizard/device/WiFiParams.h"
#include "wizard/registration/BeforeCloseFN.h"
#include "wizard/registration/CalculationStateReport.h"
#include "wizard/registration/CheckStatus.h"
#include "wizard/registration/CloseFN.h"
#include "wizard/registration/EnterSerial.h"
#include "wizard/registration/FFD.h"
#include "wizard/registration/FiscalizationBefore.h"
#include "wizard/registration/FiscalizationInfo.h"
#include "wizard/registration/INN.h"
#include "wizard/registration/KKTParamsX5.h"
#include "wizard/registration/OFDExchangeState.h"
#include "wizard/registration/OFDParams.h"
#include "wizard/registration/OpenRegParamsX5.h"
#include "wizard/registration/RegParamsX5.h"
#include "wizard/registration/SelectClientType.h"
#include "wizard/registration/UserParams.h"
#include "wizard/registration/WorkMode.h"
#include "wizard/shell/FinalMessage.h"
#include "wizard/shell/SelectWorkType.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename TPage>
TParamPage *makePage()
{
    return new TPage;
}

} // namespace

// The pages in registration order: a forward move shows the first page whose
// class matches, and index 0 is the start page.
std::vector<TfmMain::TPageFactory> TfmMain::DefaultPageList()
{
    return {
        makePage<TfmConnectDevice>,
        makePage<TfmSearchDevice>,
        makePage<TfmSelectWorkType>,
        makePage<TfmSelectClientType>,
        makePage<TfmEnterSerial>,
        makePage<TfmOFDParams>,
        makePage<TfmUserParams>,
        makePage<TfmWorkMode>,
        makePage<TfmINN>,
        makePage<TfmFiscalizationBefore>,
        makePage<TfmFiscalizationInfo>,
        makePage<TfmSelectNetType>,
        makePage<TfmEthernetParams>,
        makePage<TfmRNDISParams>,
        makePage<TfmWiFiParams>,
        makePage<TfmCheckRNDIS>,
        makePage<TfmOFDExchangeState>,
        makePage<TfmFinalMessage>,
        makePage<TfmSelectPortType>,
        makePage<TfmTCPParams>,
        makePage<TfmCheckEthernet>,
        makePage<TfmBeforeCloseFN>,
        makePage<TfmFFD>,
        makePage<TfmCloseFN>,
        makePage<TfmKKTParamsX5>,
        makePage<TfmOpenRegParamsX5>,
        makePage<TFmCheckStatusBeforeCloseFN>,
        makePage<TfmRegParamsX5>,
        makePage<TfmCalculationStateReport>,
        makePage<TFmCheckStatusBeforeRegistration>,
        makePage<TFmCheckStatusBeforeReRegistration>,
    };
}

namespace {

QToolButton *pictureButton(const char *name, QStyle::StandardPixmap icon, const QString &hint, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(40, 40));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    return button;
}

} // namespace

TfmMain::TfmMain(const QString &programFolder, const std::vector<TPageFactory> &pageList, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fmMain"));
    resize(730, 458);

    pnlTop = new QLabel(this);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setFixedHeight(41);
    pnlTop->setAutoFillBackground(true);
    pnlTop->setBackgroundRole(QPalette::Base);
    pnlTop->setContentsMargins(12, 0, 12, 0);
    QFont titleFont(QStringLiteral("Arial"), 15);
    titleFont.setBold(true);
    pnlTop->setFont(titleFont);

    pnlSite = new QWidget(this);
    pnlSite->setObjectName(QStringLiteral("pnlSite"));

    pnlBottom = new QWidget(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->setFixedHeight(66);
    btnHome = pictureButton("btnHome", QStyle::SP_DirHomeIcon, QStringLiteral("Вернуться в начало"), pnlBottom);
    btnMenu = pictureButton("btnMenu", QStyle::SP_FileDialogDetailedView, QStringLiteral("Настройки драйвера"),
                            pnlBottom);
    pnlButtons = new QWidget(pnlBottom);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlButtons->setFixedWidth(297);
    btnPrev = new QPushButton(QStringLiteral("< Назад"), pnlButtons);
    btnPrev->setObjectName(QStringLiteral("btnPrev"));
    btnPrev->setAutoDefault(true); // Enter on a focused back button goes back
    btnNext = new QPushButton(QStringLiteral("Далее >"), pnlButtons);
    btnNext->setObjectName(QStringLiteral("btnNext"));
    btnNext->setDefault(true);
    auto *buttons = new QHBoxLayout(pnlButtons);
    buttons->addWidget(btnPrev);
    buttons->addWidget(btnNext);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTop);
    layout->addWidget(pnlSite, 1);
    layout->addWidget(pnlBottom);
    auto *siteLayout = new QVBoxLayout(pnlSite);
    siteLayout->setContentsMargins(0, 0, 0, 0);

    connect(btnNext, &QPushButton::clicked, this, &TfmMain::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfmMain::btnPrevClick);
    connect(btnHome, &QToolButton::clicked, this, &TfmMain::btnHomeClick);
    connect(btnMenu, &QToolButton::clicked, this, &TfmMain::btnMenuClick);

    // Only the marker file's existence matters, never its content.
    Controller().X5Mode = QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("X5.ini")));
    QString caption = QStringLiteral("Мастер фискализации %1 (%2-bit)")
                          .arg(QStringLiteral(KASSIO_VERSION))
                          .arg(QSysInfo::WordSize);
    if (Controller().X5Mode)
        caption += QStringLiteral(" [X5]");
    setWindowTitle(caption);

    FPages = std::make_unique<TParamPages>();
    Controller().SetShell(this);
    CreatePages(pageList);
    Controller().CurrentPage = FPages->GetItem(0);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TfmMain::~TfmMain()
{
    // Pages first: a page stops its background work on the shared driver
    // when it goes, so the driver must outlive them.
    Controller().SetShell(nullptr);
    Controller().CurrentPage = nullptr;
    FPages.reset();
    FreeWizardDriver();
}

void TfmMain::CreatePages(const std::vector<TPageFactory> &pageList)
{
    for (const TPageFactory &make : pageList)
        AddPage(make());
}

void TfmMain::AddPage(TParamPage *APage)
{
    APage->SetOwner(FPages.get());
    APage->setParent(pnlSite);
    APage->hide();
    pnlSite->layout()->addWidget(APage);
    // The window opens large enough for its largest page: the site is the
    // window less the title strip and the button panel.
    const QSize need = APage->sizeHint();
    const QSize site(width(), height() - pnlTop->height() - pnlBottom->height());
    resize(width() + std::max(0, need.width() - site.width()), height() + std::max(0, need.height() - site.height()));
}

void TfmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    Controller().NextPageClass = &TfmSelectWorkType::staticMetaObject;
    ShowPage(0);
}

void TfmMain::closeEvent(QCloseEvent *event)
{
    FPages->CloseEvent();
    QWidget::closeEvent(event);
}

void TfmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    CenterButtons();
}

void TfmMain::CenterButtons()
{
    pnlButtons->move((pnlBottom->width() - pnlButtons->width()) / 2, (pnlBottom->height() - 40) / 2);
    pnlButtons->resize(pnlButtons->width(), 40);
    btnHome->move(8, (pnlBottom->height() - btnHome->sizeHint().height()) / 2);
    btnMenu->move(pnlBottom->width() - btnMenu->sizeHint().width() - 8,
                  (pnlBottom->height() - btnMenu->sizeHint().height()) / 2);
}

void TfmMain::keyPressEvent(QKeyEvent *event)
{
    // The next button is the window's default button: Enter that no control
    // took presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Next();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmMain::ShowPage(int Index)
{
    EnableNext(true);
    EnablePrev(true);
    EnableHome(true);
    EnableSettings(true);
    TParamPage *page = FPages->GetItem(Index);
    if (!page)
        return;
    if (Index != FIndex) {
        // The switch is completed before the page's show runs, so a failing
        // show leaves a consistent window: its page on screen with its title,
        // and back and home usable.
        TParamPage *previous = FPages->GetItem(FIndex);
        page->show();
        page->resize(pnlSite->size());
        pnlTop->setText(page->Caption());
        if (previous)
            previous->hide();
        FIndex = Index;
        WizardGuarded(this, [page] { page->FormShow(); });
        if (FIndex != Index) // the show moved on by itself
            return;
    }
    EnablePrev(Index != 0);
}

int TfmMain::FindNextPageIndex() const
{
    return std::max(0, FPages->PageIndexByClass(Controller().NextPageClass));
}

int TfmMain::FindPrevPageIndex() const
{
    const TParamPage *current = Controller().CurrentPage;
    return std::max(0, FPages->IndexOf(current ? current->PrevPage : nullptr));
}

void TfmMain::btnNextClick()
{
    TParamPage *current = Controller().CurrentPage;
    if (current && !WizardGuarded(this, [current] { current->Next(); }))
        return;
    const int index = FindNextPageIndex();
    TParamPage *page = FPages->GetItem(index);
    Controller().CurrentPage = page;
    // A Next that names no page keeps the user where he is; the page must not
    // become its own way back.
    if (page != current)
        page->PrevPage = current;
    ShowPage(index);
}

void TfmMain::btnPrevClick()
{
    TParamPage *current = Controller().CurrentPage;
    if (current && !WizardGuarded(this, [current] { current->Prev(); }))
        return;
    const int index = FindPrevPageIndex();
    Controller().CurrentPage = FPages->GetItem(index);
    ShowPage(index);
}

void TfmMain::btnHomeClick()
{
    // Home must always lead out, even when the page's own Home fails.
    if (TParamPage *current = Controller().CurrentPage)
        WizardGuarded(this, [current] { current->Home(); });
    Home();
}

void TfmMain::btnMenuClick()
{
    WizardGuarded(this, [] {
        TKassio &d = WizardDriver();
        d.Disconnect();
        d.ShowProperties();
    });
}

void TfmMain::Next()
{
    if (btnNext->isEnabled())
        btnNext->click();
}

void TfmMain::Prev()
{
    if (btnPrev->isEnabled())
        btnPrev->click();
}

void TfmMain::Home()
{
    Controller().NextPageClass = &TfmSelectWorkType::staticMetaObject;
    Controller().CurrentPage = FPages->GetItem(0);
    ShowPage(0);
}

void TfmMain::EnableNext(bool AEnable)
{
    if (btnNext->isEnabled() != AEnable)
        btnNext->setEnabled(AEnable);
}

void TfmMain::EnablePrev(bool AEnable)
{
    if (btnPrev->isEnabled() != AEnable)
        btnPrev->setEnabled(AEnable);
}

void TfmMain::EnableHome(bool AEnable)
{
    btnHome->setEnabled(AEnable);
}

void TfmMain::EnableSettings(bool AEnable)
{
    btnMenu->setEnabled(AEnable);
}
