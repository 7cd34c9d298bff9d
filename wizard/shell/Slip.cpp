#include "wizard/shell/Slip.h"

void TSlip::AddStr(const QString &AStr, bool ACentered)
{
    if (ACentered) {
        const int pad = std::max(0, (FWidth - static_cast<int>(AStr.size())) / 2);
        FLines.append(QString(pad, QLatin1Char(' ')) + AStr);
        return;
    }
    if (FWidth < 1) {
        // Nothing to cut to (a register reporting a print width below one
        // character): keep the text whole rather than loop forever.
        if (!AStr.isEmpty())
            FLines.append(AStr);
        return;
    }
    for (qsizetype pos = 0; pos < AStr.size(); pos += FWidth)
        FLines.append(AStr.mid(pos, FWidth));
}

void TSlip::AddPair(const QString &AStr1, const QString &AStr2)
{
    if (!FRightAligned) {
        AddPair2(AStr1, AStr2);
        return;
    }
    const int gap = std::max(1, FWidth - static_cast<int>(AStr1.size()) - static_cast<int>(AStr2.size()));
    AddStr(AStr1 + QString(gap, QLatin1Char(' ')) + AStr2, false);
}

void TSlip::AddPair2(const QString &AStr1, const QString &AStr2)
{
    const int pad = std::max(0, FWidth2 - static_cast<int>(AStr1.size()));
    FLines.append(AStr1 + QString(pad, QLatin1Char(' ')) + QStringLiteral(": ") + AStr2);
}
