#include "testbench/shell/InputChecks.h"

#include "driver/Helpers.h"
#include "testbench/shell/Translation.h"

#include <cmath>

namespace {

constexpr int MaxIntText = 1024;
constexpr double MaxSumm = 10995116277.0;

QString InvalidFieldText(const QString &separator, const QString &field)
{
    return KassioTest::tr("Некорректное значение в поле") + separator + QLatin1Char('"') + field + QLatin1Char('"');
}

} // namespace

void CheckIntStr(const QString &text, const QString &field)
{
    if (text.size() > MaxIntText)
        throw EKassioError(InvalidFieldText(QStringLiteral(" "), field));
}

int StrToInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) {
        // Keep the box readable for a long paste.
        const QString shown = text.size() > 40 ? text.left(40) + QStringLiteral("...") : text;
        throw EKassioError(KassioTest::tr("\"%1\" не является целым числом").arg(shown));
    }
    return value;
}

qint64 GetSumm(const QString &text, const QString &field)
{
    // QString::toDouble always reads '.' as the separator, whatever the
    // locale, so nothing process-wide needs switching.
    QString number = text;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    number.remove(QLatin1Char(' '));
    bool ok = false;
    const double value = number.toDouble(&ok);
    // Below -MaxSumm too: such a value would overflow the Currency result.
    if (!ok || !std::isfinite(value) || std::fabs(value) > MaxSumm)
        throw EKassioError(InvalidFieldText(QStringLiteral("\r\n"), field));
    return std::llround(ExRound(value, 0.01) * 10000.0);
}
