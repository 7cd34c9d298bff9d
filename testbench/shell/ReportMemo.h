#pragma once
// The read-only memo in which pages show their listings and reports: a
// fixed-pitch font so columns line up, no wrapping, both scroll bars.

class QPlainTextEdit;
class QWidget;

QPlainTextEdit *CreateReportMemo(QWidget *parent = nullptr);
