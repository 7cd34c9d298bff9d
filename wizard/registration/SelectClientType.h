#pragma once
// "Выберите тип работы" for the client: a legal entity or an individual
// entrepreneur.

#include "wizard/shell/ChoicePage.h"

class TfmSelectClientType : public TChoicePage
{
    Q_OBJECT
public:
    TfmSelectClientType();
    void Next() override;
};
