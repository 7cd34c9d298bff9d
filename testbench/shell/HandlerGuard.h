#pragma once
// The handler guard: every slot that may throw runs inside Guarded. The
// silent abort (EAbort) ends the handler without a word; any other error shows
// its message in the standard error box. Nothing escapes into the event loop.

#include <functional>

class QWidget;

void Guarded(QWidget *parent, const std::function<void()> &handler) noexcept;
