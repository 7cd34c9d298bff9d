#pragma once
// The agent attributes of a receipt or of its last position: the agent sign,
// the agent's data (payment and transfer operators), the supplier's data and
// the supplier's INN. The page "Агент" collects them; the receipt pages send
// them with a position through these routines.

#include <QList>
#include <QString>

// One text tag to send: a tag that may hold several values (phone numbers)
// is split at its commas when sent.
struct TAgentTag
{
    int Tag = 0;
    QString Text;
    bool Several = false;
};

struct TAgentTags
{
    int Sign = 0;                     // bit n: agent kind n
    QList<TAgentTag> AgentData;       // only the members whose boxes are on, in sending order
    QList<TAgentTag> SupplierData;    // the same for the supplier's phones (1171) and name (1225)
    bool UseSupplierINN = false;
    QString SupplierINN;
};

// Tag numbers of the agent attributes.
namespace agenttag {
inline constexpr int SignPosition = 1222;
inline constexpr int SignDocument = 1057;
inline constexpr int AgentData = 1223;
inline constexpr int SupplierData = 1224;
inline constexpr int SupplierPhone = 1171;
inline constexpr int SupplierName = 1225;
inline constexpr int SupplierINN = 1226;
} // namespace agenttag

// The values of a tag as sent: a "several" text split at commas, each piece
// trimmed, empty pieces left out; any other text as it is.
QStringList AgentTagValues(const TAgentTag &Tag);

// Each routine stops at the first value the driver refuses (the silent abort).
void SendAgentSignPosition(const TAgentTags &Tags);
void SendAgentSignDocument(const TAgentTags &Tags);
void SendAgentDataPosition(const TAgentTags &Tags);
void SendAgentDataDocument(const TAgentTags &Tags);
void SendSupplierDataPosition(const TAgentTags &Tags);
void SendSupplierDataDocument(const TAgentTags &Tags);
void SendSupplierINN(const TAgentTags &Tags);
// The agent attributes of the last position, in the order the receipt page
// sends them: sign, agent data, supplier INN, supplier data.
void SendPositionAgentTags(const TAgentTags &Tags);
