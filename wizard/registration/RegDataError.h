#pragma once
// The error of the registration data functions (INN check, OFD templates,
// X5 files). Its message is Russian and meant for the user: the wizard's
// pages let it reach the shell, which shows it and keeps the page.

#include <QByteArray>
#include <QString>

#include <exception>

class ERegDataError : public std::exception
{
public:
    explicit ERegDataError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString &Message() const { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};
