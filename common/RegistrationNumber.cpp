#include "common/RegistrationNumber.h"

#include "driver/FrameCodec.h"

namespace {

constexpr int NumberWidth = 10;
constexpr int INNWidth = 12;
constexpr int SerialWidth = 20;
constexpr int CheckPartWidth = 6;

QString FitPart(const QString &text, int width, TRnmLongPart longPart)
{
    if (text.size() > width && longPart == TRnmLongPart::Cut)
        return text.left(width);
    return text.rightJustified(width, QLatin1Char('0'));
}

} // namespace

QString RNMCheckPart(const QString &number, const QString &inn, const QString &serial, TRnmLongPart longPart)
{
    // The parts are digits; Latin-1 gives each its one byte.
    const QByteArray joined = (FitPart(number, NumberWidth, longPart) + FitPart(inn, INNWidth, longPart)
                               + FitPart(serial, SerialWidth, longPart))
                                  .toLatin1();
    const std::uint16_t crc = kassio::crc16CcittFalse(joined.constData(), joined.size());
    return QString::number(crc).rightJustified(CheckPartWidth, QLatin1Char('0'));
}

QString GenerateRNM(const QString &number, const QString &inn, const QString &serial)
{
    return FitPart(number, NumberWidth, TRnmLongPart::Cut) + RNMCheckPart(number, inn, serial, TRnmLongPart::Cut);
}

bool IsValidRNM(const QString &rnm, const QString &inn, const QString &serial)
{
    const QString number = rnm.left(NumberWidth);
    return rnm == FitPart(number, NumberWidth, TRnmLongPart::Whole)
                      + RNMCheckPart(number, inn, serial, TRnmLongPart::Whole);
}
