#pragma once
// Small helpers the fiscal step pages use to build their controls: each
// control is named as the pages and tests know it.

#include <QLabel>
#include <QPushButton>
#include <QString>

inline QLabel *NamedLabel(QWidget *parent, const char *name, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

inline QPushButton *NamedButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// Text colour of a status label: black, red or green.
inline void SetLabelColor(QLabel *label, const char *color)
{
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(color)));
}
