#pragma once
// What the Ethernet, WiFi and RNDIS settings pages share: the four address
// edits, the port edit, the DHCP box, and writing the register's network
// tables (16, 21, 22, row 1) so that a bad value never leaves them half set.

#include "wizard/shell/ParamPage.h"

#include <QLineEdit>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QFormLayout;
class QLabel;

// An IPv4 address typed as dotted text: digits and dots only while typing,
// checked as four octets 0-255 when the page uses it.
class TIPAddressEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TIPAddressEdit(QWidget *parent = nullptr);

    using TOctets = std::array<int, 4>;
    void SetOctets(const TOctets &octets);
    // None unless the text is exactly four decimal octets 0-255.
    std::optional<TOctets> Octets() const;
    static std::optional<TOctets> ParseAddress(const QString &text);
    static QString FormatAddress(const TOctets &octets);
};

// One field the page will write: an integer (written as the field's type
// asks) or a text. Name says which setting it is in error messages.
struct TNetFieldWrite
{
    int Table;
    int Field;
    QVariant Value;
    QString Name;
};
using TNetWritePlan = std::vector<TNetFieldWrite>;

class TNetParamsPage : public TParamPage
{
    Q_OBJECT
public:
    explicit TNetParamsPage(const QString &caption);

protected:
    // Rows of the page, added by each page in its own order.
    void AddDHCPBox();
    void AddAddressRows();
    void AddPortRow();
    void AddHint(const char *name, const QString &text);
    QFormLayout *Form() const { return FForm; }

    // The address edits and their labels are usable only without DHCP.
    void UpdateDHCPEnabling();
    // Address edits from the octets of table 16; port from table 21, field 4.
    void ReadTable16Addresses();
    void ReadPort();

    // The edit's label without its colon: how messages name the edit.
    static QString EditName(const QWidget *edit);
    // Checks the typed values; each raises the error that names the edit.
    TIPAddressEdit::TOctets AddressOf(const TIPAddressEdit *edit) const;
    int Port() const;
    // Table 16 fields 3-14: the IP, gateway and mask octets (never the DNS).
    void PlanTable16Addresses(TNetWritePlan &plan) const;

    // Asks the register for every field of the plan first (it exists, the
    // value fits), then writes them in order. A failure names the setting;
    // when the check fails nothing has been written.
    static void WritePlan(const TNetWritePlan &plan);

public:
    QCheckBox *chkDHCP = nullptr;
    TIPAddressEdit *ipStatic = nullptr;
    TIPAddressEdit *ipMask = nullptr;
    TIPAddressEdit *ipGateway = nullptr;
    TIPAddressEdit *ipDNS = nullptr;
    QLineEdit *edtTCPPort = nullptr;

private:
    QFormLayout *FForm = nullptr;
    std::vector<QLabel *> FAddressLabels;
};
