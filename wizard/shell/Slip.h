#pragma once
// TSlip: a small line formatter for report texts: label-value pairs, either
// with a label column (AddPair2) or with the value flush right, and long
// lines cut to the width in characters.

#include <QString>
#include <QStringList>

class TSlip
{
public:
    explicit TSlip(int AWidth) : FWidth(AWidth) {}

    int FWidth = 0;
    int FWidth2 = 0;           // label column of left-aligned pairs
    bool FRightAligned = false;

    void Clear() { FLines.clear(); }
    void AddStr(const QString &AStr, bool ACentered);
    void AddPair(const QString &AStr1, const QString &AStr2);
    void AddPair2(const QString &AStr1, const QString &AStr2);

    const QStringList &Lines() const { return FLines; }
    QString Text() const { return FLines.join(QLatin1Char('\n')); }

private:
    QStringList FLines;
};
