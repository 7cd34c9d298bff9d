#pragma once
// The test bench's stored settings: window state and the value of every
// storable control, under one key (the registry on Windows, an INI file in
// the user's config folder elsewhere).

#include <QString>

#include <memory>

class QSettings;
class QWidget;

// Controls whose "tag" property is 1000 are skipped with all they hold.
inline constexpr int NoStoreTag = 1000;
// Texts are stored cut to this many characters.
inline constexpr int MaxStoredText = 4096;

// The parameter key; nothing is created until a value is written.
std::unique_ptr<QSettings> OpenParamKey();
// True when the key holds any value.
bool ParamKeyExists(const QSettings &key);

// Walk the child controls of parent; a value is named prefix "." child name,
// and a container passes that name on as the prefix of its own children.
void LoadControlParams(const QString &prefix, QWidget *parent, QSettings &key);
void SaveControlParams(const QString &prefix, QWidget *parent, QSettings &key);

// Item 0 in every plain combo box (exactly QComboBox, not a subclass) under root.
void SetDefaults(QWidget *root);
