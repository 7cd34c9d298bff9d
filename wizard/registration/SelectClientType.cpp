#include "wizard/registration/SelectClientType.h"
#include "wizard/registration/FFD.h"
#include "wizard/shell/Controller.h"

TfmSelectClientType::TfmSelectClientType()
    : TChoicePage(QStringLiteral("Выберите тип работы"),
                  {QStringLiteral("Юридическое лицо"), QStringLiteral("Индивидуальный предприниматель")})
{
}

void TfmSelectClientType::Next()
{
    Controller().Yur = Choice() == 0;
    Controller().SetNext<TfmFFD>();
}
