// Device tables: structure, reading, writing and factory values.
#include "emulator/EmulatedRegister.h"

namespace emu {
namespace {

struct FieldRef {
    const TableDef *table = nullptr;
    const FieldDef *field = nullptr;
};

// Resolves TableNumber/RowNumber/FieldNumber; 93 when any is out of range.
int resolve(Context &c, FieldRef &ref, bool needRow)
{
    ref.table = c.table(c.call.i(P::TableNumber));
    if (!ref.table)
        return code::NoSuchTable;
    const int field = c.call.i(P::FieldNumber);
    if (field < 1 || field > static_cast<int>(ref.table->fields.size()))
        return code::NoSuchTable;
    const int row = c.call.i(P::RowNumber);
    if (needRow && (row < 1 || row > ref.table->rows))
        return code::NoSuchTable;
    ref.field = &ref.table->fields[static_cast<std::size_t>(field - 1)];
    return code::Ok;
}

void setFieldStruct(Context &c, const FieldDef &f)
{
    c.call.set(P::FieldName, f.name);
    c.call.set(P::FieldType, f.isText);
    c.call.set(P::FieldSize, f.size);
    c.call.set(P::MINValueOfField, static_cast<int>(static_cast<quint32>(f.min)));
    c.call.set(P::MAXValueOfField, static_cast<int>(static_cast<quint32>(f.max)));
}

int getTableStruct(Context &c)
{
    const TableDef *t = c.table(c.call.i(P::TableNumber));
    if (!t)
        return code::NoSuchTable;
    c.call.set(P::TableName, t->name);
    c.call.set(P::RowNumber, t->rows);
    c.call.set(P::FieldNumber, static_cast<int>(t->fields.size()));
    return code::Ok;
}

int getFieldStruct(Context &c)
{
    FieldRef ref;
    if (const int rc = resolve(c, ref, false))
        return rc;
    setFieldStruct(c, *ref.field);
    return code::Ok;
}

int readTable(Context &c)
{
    FieldRef ref;
    if (const int rc = resolve(c, ref, true))
        return rc;
    setFieldStruct(c, *ref.field);
    const QVariant v = c.tableValue(c.call.i(P::TableNumber), c.call.i(P::RowNumber), c.call.i(P::FieldNumber));
    if (ref.field->isText) {
        c.call.set(P::ValueOfFieldString, v.toString());
        c.call.set(P::ValueOfFieldInteger, 0);
    } else {
        c.call.set(P::ValueOfFieldInteger, static_cast<int>(static_cast<quint32>(v.toLongLong())));
        c.call.set(P::ValueOfFieldString, QString::number(v.toLongLong()));
    }
    return code::Ok;
}

int writeTable(Context &c)
{
    FieldRef ref;
    if (const int rc = resolve(c, ref, true))
        return rc;
    const int t = c.call.i(P::TableNumber), row = c.call.i(P::RowNumber), field = c.call.i(P::FieldNumber);
    const FieldDef &f = *ref.field;
    if (f.isText) {
        const QString text = c.call.s(P::ValueOfFieldString);
        if (text.size() > f.size)
            return code::BadParameter;
        c.setTableValue(t, row, field, text);
    } else {
        // A number written as text (the table page does that) or as an integer.
        qint64 value = static_cast<quint32>(c.call.i(P::ValueOfFieldInteger));
        if (f.min < 0)
            value = c.call.i(P::ValueOfFieldInteger);
        if (c.call.fresh(P::ValueOfFieldString) && !c.call.fresh(P::ValueOfFieldInteger)) {
            bool ok = false;
            value = c.call.s(P::ValueOfFieldString).trimmed().toLongLong(&ok);
            if (!ok)
                return code::BadParameter;
        }
        if (value < f.min || value > f.max)
            return code::BadParameter;
        c.setTableValue(t, row, field, value);
    }
    return readTable(c);
}

int initTable(Context &c)
{
    c.state.tableValues.clear();
    c.changed();
    return code::Ok;
}

} // namespace

void addTableHandlers(HandlerTable &t)
{
    t.add(MethodId::GetTableStruct, getTableStruct);
    t.add(MethodId::GetFieldStruct, getFieldStruct);
    t.add(MethodId::ReadTable, readTable);
    t.add(MethodId::WriteTable, writeTable);
    t.add(MethodId::InitTable, initTable);
}

} // namespace emu
