#pragma once
// A known fiscal drive for tests: fiscalized, with one document of each kind
// the status page decodes, at fixed times and with a fixed serial.

#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"

namespace fnfixture {

inline const QString Serial = QStringLiteral("9999000000000001");
inline const QDateTime Day = QDateTime(QDate(2026, 3, 14), QTime(9, 0, 0));

// Documents (fiscal signs): 1 registration (111111111), 2 session open
// (222222222), 3 receipt (3000000000: the top bit set), 4 operator
// confirmation (444444444), 5 re-registration (555555555), 6 calculation
// state report (666666666); 1 and 2 are confirmed by the OFD.
inline void Fiscalize(emu::FiscalDrive &fn)
{
    using namespace emu;
    fn.serial = Serial;
    fn.lifeState = fnphase::Fiscal;
    fn.registration = {QStringLiteral("7701234567"), QStringLiteral("7709876543"), QStringLiteral("0000000001012345"),
                       0b000011, 0b100001, 0b1001};
    QJsonObject reg;
    reg.insert(QString::number(fntag::UserInn), fn.registration.inn);
    reg.insert(QString::number(fntag::OfdInn), fn.registration.ofdInn);
    reg.insert(QString::number(fntag::RegistrationNumber), fn.registration.rnm);
    reg.insert(QString::number(fntag::TaxSystems), fn.registration.taxType);
    reg.insert(fntag::WorkMode, fn.registration.workMode);
    reg.insert(fntag::WorkModeEx, fn.registration.workModeEx);
    fn.addDocument(fdtype::Registration, Day, reg).fiscalSign = 111111111u;

    QJsonObject session;
    session.insert(QString::number(fntag::SessionNumber), 1);
    fn.addDocument(fdtype::OpenSession, Day.addSecs(60), session).fiscalSign = 222222222u;

    QJsonObject receipt;
    receipt.insert(QString::number(fntag::OperationType), 1);
    receipt.insert(QString::number(fntag::Total), QStringLiteral("12345000")); // 1234.50
    fn.addDocument(fdtype::Receipt, Day.addSecs(5400), receipt).fiscalSign = 3000000000u;

    fn.addDocument(fdtype::OperatorConfirmation, Day.addSecs(5460)).fiscalSign = 444444444u;

    QJsonObject rereg = reg;
    rereg.insert(QString::number(fntag::ReasonCode), 4);
    rereg.insert(QString::number(fntag::ReasonCodeEx), static_cast<double>(0x80000001u));
    fn.addDocument(fdtype::Reregistration, Day.addSecs(7200), rereg).fiscalSign = 555555555u;

    QJsonObject report;
    report.insert(QString::number(fntag::UnconfirmedCount), 3);
    report.insert(QString::number(fntag::FirstUnconfirmedDate), Day.addSecs(5400).toString(Qt::ISODate));
    fn.addDocument(fdtype::CalculationReport, Day.addSecs(7260), report).fiscalSign = 666666666u;

    fn.confirmUpTo(2);
    fn.sessionNumber = 1;
    fn.sessionOpen = false;
}

// Applies a change to the register's drive as one transaction.
template <class Change>
bool ChangeDrive(emu::EmulatedRegister &reg, Change change)
{
    return reg.modify([&](emu::RegisterState &s) {
        emu::FiscalDrive fn = emu::FiscalDrive::load(s, QDateTime::currentDateTime());
        change(fn);
        fn.store(s);
    });
}

inline bool FiscalizeRegister(emu::EmulatedRegister &reg)
{
    return ChangeDrive(reg, [](emu::FiscalDrive &fn) { Fiscalize(fn); });
}

} // namespace fnfixture
