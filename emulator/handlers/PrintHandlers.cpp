// Printing onto the paper tape.
#include "emulator/EmulatedRegister.h"

#include <QRegularExpression>

#include <algorithm>

namespace emu {
namespace {

const FontDef *font(const Context &c, int number)
{
    for (const auto &f : c.model.fonts)
        if (f.number == number)
            return &f;
    return nullptr;
}

int charsPerLine(const Context &c, int number)
{
    const FontDef *f = font(c, number);
    if (!f || f->charWidth == 0)
        return 40;
    return std::max(1, f->printWidth / f->charWidth);
}

QString station(const Context &c)
{
    return c.call.b(P::UseJournalRibbon) && !c.call.b(P::UseReceiptRibbon) ? QStringLiteral("journal")
                                                                            : QStringLiteral("receipt");
}

int printLine(Context &c, const QString &text, int fontNumber, const QString &kind = QStringLiteral("text"))
{
    if (!c.print(text.left(charsPerLine(c, fontNumber)), fontNumber, station(c), kind))
        return code::NoReceiptPaper;
    return code::Ok;
}

int printString(Context &c) { return printLine(c, c.call.s(P::StringForPrinting), 1); }

int printStringWithFont(Context &c)
{
    const int f = c.call.i(P::FontType);
    if (!font(c, f))
        return code::BadParameter;
    return printLine(c, c.call.s(P::StringForPrinting), f);
}

int printWideString(Context &c)
{
    // Double width: half as many characters on the line.
    const QString text = c.call.s(P::StringForPrinting).left(charsPerLine(c, 1) / 2);
    if (!c.print(text, 1, station(c), QStringLiteral("wide")))
        return code::NoReceiptPaper;
    return code::Ok;
}

int printStringWithWrap(Context &c)
{
    const int width = charsPerLine(c, 1);
    const QStringList lines = c.call.s(P::StringForPrinting).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString &line : lines) {
        QString rest = line;
        do {
            if (const int rc = printLine(c, rest.left(width), 1))
                return rc;
            rest = rest.mid(width);
        } while (!rest.isEmpty());
    }
    return code::Ok;
}

int feedDocument(Context &c)
{
    const int n = c.call.i(P::StringQuantity);
    if (n < 1 || n > 255)
        return code::BadParameter;
    if (!c.print(QString::number(n), 0, station(c), QStringLiteral("feed")))
        return code::NoReceiptPaper;
    return code::Ok;
}

int cutCheck(Context &c)
{
    const ModelParamDef *cutter = c.param(35);
    if (cutter && !cutter->value.toBool())
        return code::NotSupported;
    if (!c.print(c.call.b(P::CutType) ? QStringLiteral("partial") : QStringLiteral("full"), 0,
                 QStringLiteral("receipt"), QStringLiteral("cut")))
        return code::NoReceiptPaper;
    return code::Ok;
}

int waitForPrinting(Context &c) { return c.state.paperOut ? code::NoReceiptPaper : code::Ok; }

} // namespace

void addPrintHandlers(HandlerTable &t)
{
    t.add(MethodId::PrintString, printString);
    t.add(MethodId::PrintStringWithFont, printStringWithFont);
    t.add(MethodId::PrintWideString, printWideString);
    t.add(MethodId::PrintStringWithWrap, printStringWithWrap);
    t.add(MethodId::FeedDocument, feedDocument);
    t.add(MethodId::CutCheck, cutCheck);
    t.add(MethodId::WaitForPrinting, waitForPrinting);
}

} // namespace emu
