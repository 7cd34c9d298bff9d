#include "testbench/shell/ReportMemo.h"

#include <QFont>
#include <QPlainTextEdit>

QPlainTextEdit *CreateReportMemo(QWidget *parent)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("Memo"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    memo->setFont(font);
    return memo;
}
