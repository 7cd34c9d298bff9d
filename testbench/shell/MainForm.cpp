#include "testbench/shell/MainForm.h"

#include "driver/Driver.h"
#include "driver/Helpers.h"
#include "testbench/shell/AboutForm.h"
#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/InputChecks.h"
#include "testbench/shell/Language.h"
#include "testbench/shell/MessageBoxes.h"
#include "testbench/shell/PageNotifier.h"
#include "testbench/shell/PasswordEdit.h"
#include "testbench/shell/SettingsWalker.h"
#include "testbench/shell/TabbedPage.h"
#include "testbench/shell/Translation.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString ParamPrefix = QStringLiteral("fmMain");
constexpr int HeaderHeight = 41;
const QColor HeaderColor(0, 124, 176);
constexpr int ResultPanelHeight = 86;
constexpr int GroupListWidth = 165;
constexpr int GroupListMinWidth = 14;
constexpr int GroupListMaxDragWidth = 200;
constexpr int PageSiteMinWidth = 60;
constexpr int GroupEntryHeight = 22;

QPixmap MakeLogo()
{
    QPixmap logo(129, 39);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(4, 6, 27, 27), 6, 6);
    painter.setBrush(HeaderColor);
    for (int line = 0; line < 3; ++line)
        painter.drawRect(QRectF(10, 12 + line * 6, 15, 3));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(37, 0, 92, 39), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ORVAN"));
    return logo;
}

QLineEdit *MakeResultField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    return field;
}

QString ProgramVersion()
{
    // "%d.%d.%d.%d" of the program's version.
    return QStringLiteral(KASSIO_VERSION);
}

} // namespace

TfmMain::TfmMain(const TPageTable &table, QWidget *parent)
    : TBaseForm(parent)
    , FPages(std::make_unique<TPages>())
{
    setObjectName(ParamPrefix);
    setWindowTitle(KassioTest::tr("Тест драйвера"));
    resize(DesignWidth, DesignHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateMenu();
    layout->addWidget(CreateHeader());

    FSplitter = new QSplitter(Qt::Horizontal, this);
    FSplitter->setObjectName(QStringLiteral("Splitter"));
    FSplitter->setChildrenCollapsible(false);
    FGroupList = new QListWidget(FSplitter);
    FGroupList->setObjectName(QStringLiteral("lbGroups"));
    FGroupList->setMinimumWidth(GroupListMinWidth);
    FGroupList->setMaximumWidth(GroupListWidth);
    FGroupList->setUniformItemSizes(true);
    FPageSite = new QWidget(FSplitter);
    FPageSite->setObjectName(QStringLiteral("pnlPages"));
    FPageSite->setMinimumWidth(PageSiteMinWidth);
    auto *siteLayout = new QVBoxLayout(FPageSite);
    siteLayout->setContentsMargins(0, 0, 0, 0);
    FSplitter->addWidget(FGroupList);
    FSplitter->addWidget(FPageSite);
    FSplitter->setStretchFactor(0, 0);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setSizes({GroupListWidth, DesignWidth - GroupListWidth});
    layout->addWidget(FSplitter, 1);
    layout->addWidget(CreateResultPanel());

    // Centred at first start; LoadParams moves it where it was left.
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    PageNotifier().OnChange = [this](QObject *, bool Value) { PagesChanged(Value); };
    CreatePages(table);
    InitializePages();
    connect(FGroupList, &QListWidget::currentRowChanged, this, &TfmMain::GroupSelected);
    Guarded(this, [this] { LoadParams(); });
    Guarded(this, [this] { UpdateCaption(); });
    UpdateLanguage();
    Guarded(this, [this] { ShowPassword(); });
    connect(edtPassword, &QLineEdit::textChanged, this, &TfmMain::PasswordChanged);
    connect(edtPassword, &TPasswordEdit::FocusLost, this, [this] { Guarded(this, [this] { ShowPassword(); }); });
}

TfmMain::~TfmMain()
{
    // Widgets taken apart below still signal (focus lost, row changed);
    // this window is no longer there to hear it.
    FGroupList->disconnect(this);
    edtPassword->disconnect(this);
    try {
        SaveParams();
    } catch (...) {
        // Losing the settings must not stop the program from closing.
    }
    PageNotifier().OnChange = nullptr;
    FShownGroup = nullptr;
    FPages.reset();
    FreeDriver();
}

void TfmMain::CreateMenu()
{
    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu"));
    layout()->setMenuBar(menuBar);

    QMenu *file = menuBar->addMenu(KassioTest::tr("Файл"));
    connect(file->addAction(KassioTest::tr("Свойства драйвера...")), &QAction::triggered, this,
            [this] { Guarded(this, [] { Driver()->ShowProperties(); }); });
    file->addSeparator();
    connect(file->addAction(KassioTest::tr("В&ыход")), &QAction::triggered, this, &QWidget::close);

    QMenu *language = menuBar->addMenu(KassioTest::tr("Язык"));
    FRussian = language->addAction(QStringLiteral("Русский"));
    FRussian->setObjectName(QStringLiteral("miRussian"));
    FRussian->setCheckable(true);
    FRussian->setChecked(true);
    FEnglish = language->addAction(QStringLiteral("English"));
    FEnglish->setObjectName(QStringLiteral("miEnglish"));
    FEnglish->setCheckable(true);
    connect(FRussian, &QAction::triggered, this, [this] { ChooseLanguage(QStringLiteral("RU")); });
    connect(FEnglish, &QAction::triggered, this, [this] { ChooseLanguage(QStringLiteral("EN")); });

    QMenu *help = menuBar->addMenu(KassioTest::tr("Справка"));
    connect(help->addAction(KassioTest::tr("О программе...")), &QAction::triggered, this, [this] {
        Guarded(this, [this] {
            TfmAbout about(this);
            about.exec();
        });
    });
}

QWidget *TfmMain::CreateHeader()
{
    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("pnlHeader"));
    header->setFixedHeight(HeaderHeight);
    header->setAutoFillBackground(true);
    QPalette palette = header->palette();
    palette.setColor(QPalette::Window, HeaderColor);
    header->setPalette(palette);
    auto *logo = new QLabel(header);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(129, 39);
    logo->setPixmap(MakeLogo());
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->addStretch(1);
    layout->addWidget(logo);
    return header;
}

QWidget *TfmMain::CreateResultPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlResult"));
    panel->setFixedHeight(ResultPanelHeight);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(3);

    edtResult = MakeResultField(QStringLiteral("edtResult"), panel);
    edtInput = MakeResultField(QStringLiteral("edtInput"), panel);
    edtOutput = MakeResultField(QStringLiteral("edtOutput"), panel);
    edtTime = MakeResultField(QStringLiteral("edtTime"), panel);
    edtOperator = MakeResultField(QStringLiteral("edtOperator"), panel);
    edtPassword = new TPasswordEdit(panel);
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    // The field mirrors the driver's Password, which the component stores
    // itself; restoring an old text here would overwrite it.
    edtPassword->setProperty("tag", NoStoreTag);
    for (QLineEdit *narrow : {static_cast<QLineEdit *>(edtPassword), edtTime, edtOperator})
        narrow->setFixedWidth(80);

    const auto addRow = [&](int row, const QString &leftLabel, QLineEdit *left, const QString &rightLabel,
                            QLineEdit *right) {
        grid->addWidget(new QLabel(leftLabel, panel), row, 0);
        grid->addWidget(left, row, 1);
        grid->addWidget(new QLabel(rightLabel, panel), row, 2);
        grid->addWidget(right, row, 3);
    };
    addRow(0, KassioTest::tr("Результат:"), edtResult, KassioTest::tr("Пароль:"), edtPassword);
    addRow(1, KassioTest::tr("Передано:"), edtInput, KassioTest::tr("Время:"), edtTime);
    addRow(2, KassioTest::tr("Принято:"), edtOutput, KassioTest::tr("Оператор:"), edtOperator);
    grid->setColumnStretch(1, 1);

    auto *btnProperties = new QPushButton(KassioTest::tr("Настройка свойств"), panel);
    btnProperties->setObjectName(QStringLiteral("btnProperties"));
    auto *btnClose = new QPushButton(KassioTest::tr("Закрыть"), panel);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    for (QPushButton *button : {btnProperties, btnClose})
        button->setMinimumWidth(120);
    grid->addWidget(btnProperties, 0, 4);
    grid->addWidget(btnClose, 1, 4);
    connect(btnProperties, &QPushButton::clicked, this, [this] { Guarded(this, [this] { ShowDriverProperties(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    return panel;
}

void TfmMain::CreatePages(const TPageTable &table)
{
    for (const TPageGroup &entry : table) {
        const QString caption = entry.fixedCaption ? QString::fromUtf8(entry.caption)
                                                   : KassioTest::tr(entry.caption);
        TfmTabbedPage *group = AddTabbedPage(caption);
        for (TPageFactory factory : entry.pages)
            AddTabItem(group, factory);
    }
}

TfmTabbedPage *TfmMain::AddTabbedPage(const QString &caption)
{
    auto *group = new TfmTabbedPage(FPageSite);
    group->setObjectName(QStringLiteral("fmTabbedPage%1").arg(FGroups.size() + 1));
    group->SetOwner(FPages.get());
    group->hide();
    FPageSite->layout()->addWidget(group);
    FGroups.append(group);
    auto *item = new QListWidgetItem(QStringLiteral("  %1. %2").arg(FGroups.size(), 2, 10, QLatin1Char('0')).arg(caption));
    item->setSizeHint(QSize(0, GroupEntryHeight));
    FGroupList->addItem(item);
    return group;
}

void TfmMain::AddTabItem(TfmTabbedPage *group, TPageFactory factory)
{
    TPage *page = factory();
    if (page->objectName().isEmpty()) {
        // A form's name is its class name without the leading T.
        page->setObjectName(QString::fromLatin1(page->metaObject()->className()).mid(1));
    }
    page->SetOwner(FPages.get());
    group->AddTab(page);
}

void TfmMain::InitializePages()
{
    for (int i = 0; i < FPages->Count(); ++i)
        Guarded(this, [&] { FPages->Items(i)->Initialize(); });
}

void TfmMain::LoadParams()
{
    SetDefaults(this);
    int pageIndex = 0;
    int tabIndex = 0;
    const auto key = OpenParamKey();
    if (ParamKeyExists(*key)) {
        LoadControlParams(ParamPrefix, this, *key);
        const auto readInt = [&](const char *name, auto apply) {
            if (key->contains(QLatin1String(name)))
                apply(key->value(QLatin1String(name)).toInt());
        };
        readInt("PageIndex", [&](int value) { pageIndex = value >= 0 && value < FGroups.size() ? value : 0; });
        readInt("TabIndex", [&](int value) { tabIndex = value; });
        readInt("MPWidth", [&](int value) { resize(value, height()); });
        readInt("MPHeigth", [&](int value) { resize(width(), value); });
        readInt("MPTop", [&](int value) { move(x(), value); });
        readInt("MPLeft", [&](int value) { move(value, y()); });
    }
    if (FGroups.isEmpty())
        return;
    FGroupList->setCurrentRow(pageIndex);
    ShowPage(FGroups.at(pageIndex));
    SetTab(tabIndex);
}

void TfmMain::SaveParams()
{
    const auto key = OpenParamKey();
    if (!key->isWritable())
        return;
    SaveControlParams(ParamPrefix, this, *key);
    key->setValue(QStringLiteral("PageIndex"), FGroupList->currentRow());
    key->setValue(QStringLiteral("TabIndex"), GetTabIndex());
    key->setValue(QStringLiteral("MPWidth"), width());
    key->setValue(QStringLiteral("MPHeigth"), height());
    key->setValue(QStringLiteral("MPTop"), y());
    key->setValue(QStringLiteral("MPLeft"), x());
    key->sync();
}

void TfmMain::GroupSelected(int row)
{
    if (row >= 0 && row < FGroups.size())
        Guarded(this, [&] { ShowPage(FGroups.at(row)); });
}

void TfmMain::ShowPage(TfmTabbedPage *page)
{
    if (!page || page == FShownGroup)
        return;
    TfmTabbedPage *previous = FShownGroup;
    if (previous)
        previous->UpdateObject();
    page->show();
    if (previous)
        previous->hide();
    FShownGroup = page;
    UpdateListBox();
    page->UpdatePage();
}

void TfmMain::SetPage(TPage *page)
{
    for (int row = 0; row < FGroups.size(); ++row) {
        TfmTabbedPage *group = FGroups.at(row);
        int tab = -1;
        for (int i = 0; i < group->PageControl()->count() && tab < 0; ++i)
            if (group->TabPage(i) == page)
                tab = i;
        if (group != page && tab < 0)
            continue;
        FGroupList->setCurrentRow(row);
        ShowPage(group);
        if (tab >= 0)
            group->PageControl()->setCurrentIndex(tab);
        return;
    }
}

int TfmMain::GetTabIndex() const
{
    const int row = FGroupList->currentRow();
    if (row < 0 || row >= FGroups.size())
        return 0;
    return qMax(0, FGroups.at(row)->PageControl()->currentIndex());
}

void TfmMain::SetTab(int index)
{
    const int row = FGroupList->currentRow();
    if (row < 0 || row >= FGroups.size())
        return;
    QTabWidget *tabs = FGroups.at(row)->PageControl();
    if (index >= 0 && index < tabs->count())
        tabs->setCurrentIndex(index);
}

void TfmMain::UpdateListBox()
{
    if (!FShownGroup)
        return;
    // Room for the shown group; a drag never makes the list wider than 200.
    const int room = width() - FShownGroup->minimumSizeHint().width() - 20;
    FGroupList->setMaximumWidth(qMax(FGroupList->minimumWidth(), qMin(room, GroupListMaxDragWidth)));
}

void TfmMain::resizeEvent(QResizeEvent *event)
{
    TBaseForm::resizeEvent(event);
    UpdateListBox();
}

QString TfmMain::GetDefCaption()
{
    return KassioTest::tr("Тест драйвера") + QLatin1Char(' ') + KassioTest::tr("кассовой техники")
           + QLatin1Char(' ') + ProgramVersion()
           + QStringLiteral(" (%1-bit)").arg(QT_POINTER_SIZE * 8);
}

void TfmMain::UpdateCaption()
{
    QString caption = GetDefCaption();
    const TDriver *driver = Driver();
    switch (driver->ConnectionType) {
    case 0:
        caption += QStringLiteral(" [Serial: COM%1 Baudrate %2]")
                       .arg(driver->ComNumber)
                       .arg(IntToBaudRate(driver->BaudRate));
        break;
    case 1:
    case 2:
        caption += QStringLiteral(" [DCOM:%1 COM%2 Baudrate %3]")
                       .arg(driver->ComputerName)
                       .arg(driver->ComNumber)
                       .arg(IntToBaudRate(driver->BaudRate));
        break;
    case 6:
        caption += QStringLiteral(" [TCP: %1: %2]").arg(driver->IPAddress).arg(driver->TCPPort);
        break;
    default:
        break;
    }
    setWindowTitle(caption);
}

void TfmMain::UpdateLanguage()
{
    const bool english = GetLanguage() == QLatin1String("EN");
    FEnglish->setChecked(english);
    FRussian->setChecked(!english);
}

void TfmMain::ChooseLanguage(const QString &code)
{
    Guarded(this, [&] {
        SetLanguage(code);
        FEnglish->setChecked(code == QLatin1String("EN"));
        FRussian->setChecked(code != QLatin1String("EN"));
        ShowMessage(this, TMessageKind::Information, KassioTest::tr("Внимание"),
                    KassioTest::tr("Для измения языка необходимо перезапустить приложение"));
    });
}

void TfmMain::SetNavigationEnabled(bool Value)
{
    FGroupList->setEnabled(Value);
    if (FShownGroup)
        FShownGroup->PageControl()->tabBar()->setEnabled(Value);
    if (auto *menu = findChild<QMenuBar *>(QStringLiteral("MainMenu")))
        menu->setEnabled(Value);
}

void TfmMain::PagesChanged(bool Value)
{
    try {
        // While a page's call runs (also while it lets events through, as
        // the long listings do) no other page or menu may reach the driver.
        SetNavigationEnabled(Value);
        if (!Value) {
            FCallTimer.start();
            for (QLineEdit *field : {edtInput, edtOutput, edtResult, edtTime, edtOperator})
                field->clear();
            // Paint the cleared panel; user input waits until the call is over.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return;
        }
        const TDriver *driver = Driver();
        const int code = driver->ResultCode;
        const QString description = driver->ResultCodeDescription;
        edtInput->setText(driver->ECRInput);
        edtOutput->setText(driver->ECROutput);
        edtResult->setText(QStringLiteral("(%1) %2").arg(code).arg(description));
        // Long frames read from their start.
        for (QLineEdit *field : {edtInput, edtOutput, edtResult})
            field->setCursorPosition(0);
        const qint64 elapsed = FCallTimer.isValid() ? FCallTimer.elapsed() : 0;
        edtTime->setText(QString::number(elapsed) + QLatin1Char(' ') + KassioTest::tr("мс"));
        edtOperator->setText(QString::number(driver->OperatorNumber));
        UpdateCaption();
    } catch (...) {
        // The panel is a display; a failure to fill it must not end the handler.
    }
}

void TfmMain::ShowPassword()
{
    edtPassword->setText(QString::number(Driver()->Password));
}

void TfmMain::PasswordChanged(const QString &text)
{
    Guarded(this, [&] { Driver()->Password = StrToInt(text); });
}

void TfmMain::ShowDriverProperties()
{
    Driver()->ShowProperties();
    ShowPassword();
    if (FShownGroup)
        FShownGroup->UpdatePage();
}
