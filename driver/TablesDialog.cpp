#include "driver/TablesDialog.h"

#include "driver/Kassio.h"
#include "driver/ResultCodes.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

using kassio::PropId;

namespace {

// The properties the dialog's calls change.
constexpr PropId kTableProps[] = {
    PropId::TableNumber,     PropId::RowNumber,          PropId::FieldNumber, PropId::ValueOfFieldInteger,
    PropId::ValueOfFieldString, PropId::TableName,       PropId::FieldName,   PropId::FieldType,
    PropId::FieldSize,       PropId::MINValueOfField,    PropId::MAXValueOfField,
};

kassio::TablesDialogRunner &runner()
{
    static kassio::TablesDialogRunner r;
    return r;
}

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TfmTables::TfmTables(TKassio &driver, QWidget *parent)
    : QDialog(parent)
    , m_driver(driver)
{
    for (PropId id : kTableProps)
        m_saved.push_back(driver.property(id));

    setObjectName(QStringLiteral("TfmTables"));
    setWindowTitle(QStringLiteral("Таблицы"));
    resize(760, 480);

    lbTables = new QListWidget;
    lbTables->setObjectName(QStringLiteral("lbTables"));
    grdFields = new QTableWidget(0, ColumnCount);
    grdFields->setObjectName(QStringLiteral("grdFields"));
    grdFields->setHorizontalHeaderLabels({QStringLiteral("Ряд"), QStringLiteral("Поле"), QStringLiteral("Наименование"),
                                          QStringLiteral("Тип"), QStringLiteral("Значение")});
    grdFields->verticalHeader()->hide();
    grdFields->horizontalHeader()->setStretchLastSection(true);
    grdFields->setSelectionBehavior(QAbstractItemView::SelectItems);
    lblError = new QLabel;
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setStyleSheet(QStringLiteral("color: #b00000"));
    lblError->setWordWrap(true);

    auto *splitter = new QSplitter;
    splitter->addWidget(lbTables);
    splitter->addWidget(grdFields);
    splitter->setStretchFactor(1, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("btnClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(lblError);
    layout->addWidget(buttons);

    loadTables();
    connect(lbTables, &QListWidget::currentRowChanged, this, [this](int index) {
        if (index >= 0)
            selectTable(lbTables->item(index)->data(Qt::UserRole).toInt());
    });
    connect(grdFields, &QTableWidget::itemChanged, this, &TfmTables::onItemChanged);
    if (lbTables->count() > 0)
        lbTables->setCurrentRow(0);
}

TfmTables::~TfmTables()
{
    for (std::size_t i = 0; i < m_saved.size(); ++i)
        m_driver.setProperty(kTableProps[i], m_saved[i]);
}

void TfmTables::loadTables()
{
    for (int number = 1;; ++number) {
        m_driver.TableNumber = number;
        const int code = m_driver.GetTableStruct();
        if (code == kassio::rc::NoSuchTable)
            return;
        if (code != kassio::rc::Ok) {
            m_loadResult = code;
            m_loadDescription = m_driver.ResultCodeDescription;
            fail(QStringLiteral("Чтение списка таблиц"));
            return;
        }
        auto *item = new QListWidgetItem(QStringLiteral("%1. %2").arg(number).arg(m_driver.TableName), lbTables);
        item->setData(Qt::UserRole, number);
    }
}

bool TfmTables::fail(const QString &what)
{
    lblError->setText(QStringLiteral("%1: (%2) %3").arg(what).arg(m_driver.ResultCode).arg(m_driver.ResultCodeDescription));
    return false;
}

void TfmTables::clearError()
{
    lblError->clear();
}

QString TfmTables::errorText() const
{
    return lblError->text();
}

bool TfmTables::selectTable(int number)
{
    m_filling = true;
    grdFields->setRowCount(0);
    m_fields.clear();
    m_table = 0;
    clearError();
    const auto done = [this](bool ok) {
        m_filling = false;
        return ok;
    };
    const QString where = QStringLiteral("Таблица %1").arg(number);

    m_driver.TableNumber = number;
    if (m_driver.GetTableStruct() != kassio::rc::Ok)
        return done(fail(where));
    const int rows = m_driver.RowNumber;
    const int fields = m_driver.FieldNumber;
    for (int field = 1; field <= fields; ++field) {
        m_driver.TableNumber = number;
        m_driver.FieldNumber = field;
        if (m_driver.GetFieldStruct() != kassio::rc::Ok)
            return done(fail(where));
        m_fields.push_back({m_driver.FieldName, m_driver.FieldType, m_driver.FieldSize, m_driver.MINValueOfField,
                            m_driver.MAXValueOfField});
    }
    m_table = number;
    grdFields->setRowCount(rows * fields);
    for (int row = 1; row <= rows; ++row) {
        for (int field = 1; field <= fields; ++field) {
            m_driver.TableNumber = number;
            m_driver.RowNumber = row;
            m_driver.FieldNumber = field;
            if (m_driver.ReadTable() != kassio::rc::Ok) {
                grdFields->setRowCount(gridLine(row, field));
                return done(fail(where));
            }
            const FieldInfo &f = m_fields[static_cast<std::size_t>(field - 1)];
            // Unsigned fields wider than 31 bits come back wrapped into the integer.
            const QString type = f.isText ? QStringLiteral("Строка, до %1 симв.").arg(f.size)
                                          : QStringLiteral("Число, %1 байт (%2..%3)")
                                                .arg(f.size)
                                                .arg(f.min)
                                                .arg(f.min < 0 ? qint64(f.max) : qint64(quint32(f.max)));
            const int line = gridLine(row, field);
            grdFields->setItem(line, ColRow, readOnlyItem(QString::number(row)));
            grdFields->setItem(line, ColField, readOnlyItem(QString::number(field)));
            grdFields->setItem(line, ColName, readOnlyItem(f.name));
            grdFields->setItem(line, ColType, readOnlyItem(type));
            grdFields->setItem(line, ColValue, new QTableWidgetItem(m_driver.ValueOfFieldString));
        }
    }
    grdFields->resizeColumnsToContents();
    return done(true);
}

int TfmTables::gridLine(int row, int field) const
{
    const int fields = static_cast<int>(m_fields.size());
    if (m_table == 0 || field < 1 || field > fields || row < 1 || (row - 1) * fields + field > grdFields->rowCount())
        return -1;
    return (row - 1) * fields + field - 1;
}

bool TfmTables::writeValue(int row, int field, const QString &value)
{
    const int line = gridLine(row, field);
    if (line < 0)
        return false;
    clearError();
    const FieldInfo &f = m_fields[static_cast<std::size_t>(field - 1)];
    const QString where = QStringLiteral("Ряд %1, поле %2").arg(row).arg(field);
    m_driver.TableNumber = m_table;
    m_driver.RowNumber = row;
    m_driver.FieldNumber = field;
    m_driver.ValueOfFieldString = value;
    bool ok = true;
    if (!f.isText) {
        const qint64 number = value.trimmed().toLongLong(&ok);
        if (!ok)
            lblError->setText(QStringLiteral("%1: \"%2\" не является числом").arg(where, value));
        // Beyond 32 bits the value cannot even be sent.
        else if (!(ok = m_driver.setProperty(PropId::ValueOfFieldInteger, number)))
            lblError->setText(QStringLiteral("%1: число %2 вне допустимого диапазона").arg(where, value));
    }
    if (ok && m_driver.WriteTable() != kassio::rc::Ok)
        ok = fail(where);

    // Show what the register keeps, whatever happened.
    m_driver.TableNumber = m_table;
    m_driver.RowNumber = row;
    m_driver.FieldNumber = field;
    m_filling = true;
    if (m_driver.ReadTable() == kassio::rc::Ok)
        grdFields->item(line, ColValue)->setText(m_driver.ValueOfFieldString);
    else if (ok)
        ok = fail(where);
    m_filling = false;
    return ok;
}

void TfmTables::onItemChanged(QTableWidgetItem *item)
{
    if (m_filling || item->column() != ColValue || m_fields.empty())
        return;
    const int fields = static_cast<int>(m_fields.size());
    writeValue(item->row() / fields + 1, item->row() % fields + 1, item->text());
}

namespace kassio {

void setTablesDialogRunner(TablesDialogRunner r)
{
    runner() = std::move(r);
}

int showTablesDialog(TKassio &driver, QString *description)
{
    const auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread()) {
        *description = linkErrorDescription(rc::NoUserInterface);
        return rc::NoUserInterface;
    }
    // ParentWnd carries a native window id; a window of this program owns the dialog.
    QWidget *parent = driver.ParentWnd ? QWidget::find(static_cast<WId>(static_cast<quint32>(driver.ParentWnd))) : nullptr;
    if (!parent)
        parent = QApplication::activeWindow();
    TfmTables dialog(driver, parent);
    if (runner())
        runner()(dialog);
    else
        dialog.exec();
    *description = dialog.loadDescription();
    return dialog.loadResult();
}

} // namespace kassio
