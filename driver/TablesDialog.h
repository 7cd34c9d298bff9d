#pragma once
// The component's table editor (ShowTablesDlg): the register's tables in a
// list, the chosen table's rows and fields with names, types and values, and
// a value edited in place written back to the register. Failures show in the
// dialog. The dialog uses the instance's table properties for its calls and
// gives the caller's values back when it closes.

#include <QDialog>
#include <QVariant>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;
class TKassio;

class TfmTables : public QDialog
{
    Q_OBJECT

public:
    // Columns of the field grid.
    enum Column { ColRow, ColField, ColName, ColType, ColValue, ColumnCount };

    // Reads the list of tables (GetTableStruct 1, 2, ... up to the first failure).
    explicit TfmTables(TKassio &driver, QWidget *parent = nullptr);
    ~TfmTables() override;

    // The result of reading the table list: 0, or the code and text of a
    // failure other than the end of the tables.
    int loadResult() const { return m_loadResult; }
    QString loadDescription() const { return m_loadDescription; }

    // Shows the rows and fields of a table; false (and the error shown) when
    // a read fails.
    bool selectTable(int number);
    int shownTable() const { return m_table; }
    // Writes a value to a field of the shown table and shows the value the
    // register keeps; false (and the error shown, the old value back) on failure.
    bool writeValue(int row, int field, const QString &value);
    // The grid line of a row and field of the shown table, or -1.
    int gridLine(int row, int field) const;
    QString errorText() const;

private:
    struct FieldInfo {
        QString name;
        bool isText = false;
        int size = 0;
        int min = 0;
        int max = 0;
    };

    void loadTables();
    bool fail(const QString &what);
    void clearError();
    void onItemChanged(QTableWidgetItem *item);

    TKassio &m_driver;
    std::vector<QVariant> m_saved; // the caller's table properties
    int m_loadResult = 0;
    QString m_loadDescription;
    int m_table = 0;
    std::vector<FieldInfo> m_fields;
    bool m_filling = false;

    QListWidget *lbTables = nullptr;
    QTableWidget *grdFields = nullptr;
    QLabel *lblError = nullptr;
};

namespace kassio {

// Runs the dialog in place of its modal loop (tests): called with the dialog
// built over its parent; an empty runner restores the modal loop.
using TablesDialogRunner = std::function<void(TfmTables &)>;
void setTablesDialogRunner(TablesDialogRunner runner);

// Shows the dialog over the window ParentWnd names (else the active window).
// Returns the result of reading the table list with its text in *description,
// or rc::NoUserInterface without showing anything.
int showTablesDialog(TKassio &driver, QString *description);

} // namespace kassio
