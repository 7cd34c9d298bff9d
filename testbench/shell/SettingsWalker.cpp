#include "testbench/shell/SettingsWalker.h"

#include "testbench/shell/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextEdit>

namespace {

const QString ParamGroup = QStringLiteral("KassioDrv/A4/Param");

enum class Direction { Load, Save };

// Loads or saves one control. False when the control is not of a storable
// kind (and so may hold storable controls).
bool TransferValue(QWidget *control, const QString &name, QSettings &key, Direction direction)
{
    const bool load = direction == Direction::Load;
    const bool present = load && key.contains(name);
    const auto storeText = [&](const QString &text) { key.setValue(name, text.left(MaxStoredText)); };

    if (auto *spin = qobject_cast<QSpinBox *>(control)) {
        if (!load)
            key.setValue(name, spin->value());
        else if (present)
            spin->setValue(key.value(name).toInt());
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        if (edit->isReadOnly())
            return true;
        if (!load)
            storeText(edit->text());
        else if (present)
            edit->setText(key.value(name).toString());
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        if (memo->isReadOnly())
            return true;
        if (!load)
            storeText(memo->toPlainText());
        else if (present)
            memo->setPlainText(key.value(name).toString());
    } else if (auto *richMemo = qobject_cast<QTextEdit *>(control)) {
        if (richMemo->isReadOnly())
            return true;
        if (!load)
            storeText(richMemo->toPlainText());
        else if (present)
            richMemo->setPlainText(key.value(name).toString());
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (!load) {
            key.setValue(name, combo->currentIndex());
        } else if (present) {
            const int index = key.value(name).toInt();
            combo->setCurrentIndex(index < 0 || index >= combo->count() ? 0 : index);
        }
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        if (!load)
            key.setValue(name, check->isChecked());
        else if (present)
            check->setChecked(key.value(name).toBool());
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        if (!load)
            key.setValue(name, radio->isChecked());
        else if (present)
            radio->setChecked(key.value(name).toBool());
    } else if (auto *group = qobject_cast<TRadioGroup *>(control)) {
        if (!load)
            key.setValue(name, group->ItemIndex());
        else if (present)
            group->SetItemIndex(key.value(name).toInt());
    } else if (auto *picker = qobject_cast<QDateTimeEdit *>(control)) {
        if (!load)
            key.setValue(name, picker->dateTime());
        else if (present)
            picker->setDateTime(key.value(name).toDateTime());
    } else {
        return false;
    }
    return true;
}

void Walk(const QString &prefix, QWidget *parent, QSettings &key, Direction direction)
{
    for (QObject *child : parent->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->property("tag").toInt() == NoStoreTag)
            continue;
        const QString name = prefix + QLatin1Char('.') + control->objectName();
        // A storable control is a leaf: its inner widgets (a spin box's
        // editor, a memo's viewport) are its own business.
        if (!TransferValue(control, name, key, direction))
            Walk(name, control, key, direction);
    }
}

} // namespace

std::unique_ptr<QSettings> OpenParamKey()
{
#ifdef Q_OS_WIN
    auto key = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Orvan\\Tests"),
                                           QSettings::NativeFormat);
#else
    // Read the folder each time (QSettings' own default paths are fixed at
    // first use), so tests can point XDG_CONFIG_HOME elsewhere.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    auto key = std::make_unique<QSettings>(folder + QStringLiteral("/Orvan/Tests.conf"), QSettings::IniFormat);
#endif
    key->beginGroup(ParamGroup);
    return key;
}

bool ParamKeyExists(const QSettings &key)
{
    return !key.allKeys().isEmpty();
}

void LoadControlParams(const QString &prefix, QWidget *parent, QSettings &key)
{
    Walk(prefix, parent, key, Direction::Load);
}

void SaveControlParams(const QString &prefix, QWidget *parent, QSettings &key)
{
    Walk(prefix, parent, key, Direction::Save);
}

void SetDefaults(QWidget *root)
{
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        if (combo->metaObject() == &QComboBox::staticMetaObject)
            combo->setCurrentIndex(0);
}
