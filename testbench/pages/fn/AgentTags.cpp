#include "testbench/pages/fn/AgentTags.h"

#include "driver/Driver.h"
#include "testbench/shell/Page.h"

namespace {

enum class TTarget { Document, Operation, Composite };

void SendByte(int Tag, int Value, TTarget Target)
{
    TDriver *d = Driver();
    d->TagNumber = Tag;
    d->TagType = 0;
    d->TagValueInt = Value;
    TPage::Check(Target == TTarget::Operation ? d->FNSendTagOperation() : d->FNSendTag());
}

void SendText(int Tag, const QString &Value, TTarget Target)
{
    TDriver *d = Driver();
    d->TagNumber = Tag;
    d->TagType = 7;
    d->TagValueStr = Value;
    switch (Target) {
    case TTarget::Document:
        TPage::Check(d->FNSendTag());
        break;
    case TTarget::Operation:
        TPage::Check(d->FNSendTagOperation());
        break;
    case TTarget::Composite:
        TPage::Check(d->FNAddTag());
        break;
    }
}

bool HasValues(const QList<TAgentTag> &Tags)
{
    for (const TAgentTag &tag : Tags)
        if (!AgentTagValues(tag).isEmpty())
            return true;
    return false;
}

void SendEach(const QList<TAgentTag> &Tags, TTarget Target)
{
    for (const TAgentTag &tag : Tags)
        for (const QString &value : AgentTagValues(tag))
            SendText(tag.Tag, value, Target);
}

// A composite bound to the position; one without any value would be refused
// by the drive, so it is not begun at all.
void SendComposite(int Tag, const QList<TAgentTag> &Members)
{
    if (!HasValues(Members))
        return;
    TDriver *d = Driver();
    d->TagNumber = Tag;
    TPage::Check(d->FNBeginSTLVTag());
    SendEach(Members, TTarget::Composite);
    d->TagNumber = Tag;
    TPage::Check(d->FNSendSTLVTagOperation());
}

} // namespace

QStringList AgentTagValues(const TAgentTag &Tag)
{
    if (!Tag.Several)
        return {Tag.Text};
    QStringList values;
    for (const QString &piece : Tag.Text.split(QLatin1Char(',')))
        if (const QString value = piece.trimmed(); !value.isEmpty())
            values << value;
    return values;
}

void SendAgentSignPosition(const TAgentTags &Tags) { SendByte(agenttag::SignPosition, Tags.Sign, TTarget::Operation); }

void SendAgentSignDocument(const TAgentTags &Tags) { SendByte(agenttag::SignDocument, Tags.Sign, TTarget::Document); }

void SendAgentDataPosition(const TAgentTags &Tags) { SendComposite(agenttag::AgentData, Tags.AgentData); }

void SendAgentDataDocument(const TAgentTags &Tags) { SendEach(Tags.AgentData, TTarget::Document); }

void SendSupplierDataPosition(const TAgentTags &Tags) { SendComposite(agenttag::SupplierData, Tags.SupplierData); }

// A document takes only the supplier's phones, and only when their box is on.
void SendSupplierDataDocument(const TAgentTags &Tags)
{
    QList<TAgentTag> phones;
    for (const TAgentTag &tag : Tags.SupplierData)
        if (tag.Tag == agenttag::SupplierPhone)
            phones << tag;
    SendEach(phones, TTarget::Document);
}

void SendSupplierINN(const TAgentTags &Tags)
{
    if (Tags.UseSupplierINN)
        SendText(agenttag::SupplierINN, Tags.SupplierINN, TTarget::Operation);
}

void SendPositionAgentTags(const TAgentTags &Tags)
{
    SendAgentSignPosition(Tags);
    SendAgentDataPosition(Tags);
    SendSupplierINN(Tags);
    SendSupplierDataPosition(Tags);
}
