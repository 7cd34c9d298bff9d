#include "wizard/registration/InnCheck.h"

#include "wizard/registration/RegDataError.h"

#include <array>
#include <span>

namespace {

constexpr std::array<int, 11> kWeights12 = {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
constexpr std::array<int, 10> kWeights11 = {7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
constexpr std::array<int, 9> kWeights10 = {2, 4, 10, 3, 5, 9, 4, 6, 8};

std::span<const int> weightsFor(int n)
{
    switch (n) {
    case 10: return kWeights10;
    case 11: return kWeights11;
    case 12: return kWeights12;
    default:
        throw ERegDataError(QStringLiteral("Контрольный разряд ИНН %1 не существует").arg(n));
    }
}

// The check digit compared with the character at 1-based position n.
bool checkDigitMatches(const QString &text, int n)
{
    return text.at(n - 1) == QChar(u'0' + INNCheckDigit(n, text));
}

} // namespace

int INNCheckDigit(int n, const QString &text)
{
    const auto weights = weightsFor(n);
    if (text.size() < qsizetype(weights.size()))
        throw ERegDataError(QStringLiteral("ИНН \"%1\" короче %2 цифр").arg(text).arg(weights.size()));
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const QChar c = text.at(qsizetype(i));
        // Only ASCII digits: QChar::isDigit would let other scripts' digits in.
        if (c < u'0' || c > u'9')
            throw ERegDataError(QStringLiteral("\"%1\" не является числом (ИНН \"%2\")").arg(c).arg(text));
        sum += (c.unicode() - u'0') * weights[i];
    }
    return sum % 11 % 10;
}

bool IsValidINN(const QString &text)
{
    switch (text.size()) {
    case 10: return checkDigitMatches(text, 10);
    case 12: return checkDigitMatches(text, 11) && checkDigitMatches(text, 12);
    default: return false;
    }
}
