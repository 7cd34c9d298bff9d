#include "wizard/shell/Controller.h"

TController &Controller()
{
    static TController controller;
    return controller;
}

void TController::Next()
{
    if (FShell)
        FShell->Next();
}

void TController::Prev()
{
    if (FShell)
        FShell->Prev();
}

void TController::Home()
{
    if (FShell)
        FShell->Home();
}

void TController::EnableNext(bool AEnable)
{
    if (FShell)
        FShell->EnableNext(AEnable);
}

void TController::EnablePrev(bool AEnable)
{
    if (FShell)
        FShell->EnablePrev(AEnable);
}

void TController::EnableHome(bool AEnable)
{
    if (FShell)
        FShell->EnableHome(AEnable);
}

void TController::EnableSettings(bool AEnable)
{
    if (FShell)
        FShell->EnableSettings(AEnable);
}

TParamPage *TController::FindPageByClass(TPageClass APage) const
{
    return FShell ? FShell->Pages().PageByClass(APage) : nullptr;
}

void TController::ClearRegParams()
{
    TRegParams &r = RegParams;
    for (QString *s : {&r.INN, &r.RNM, &r.User, &r.Cashier, &r.Address, &r.AutomatNumber, &r.TaxOfficeURL,
                       &r.SenderEmail, &r.PayPlace, &r.OFDName, &r.OFDUrl, &r.OFDINN, &r.OFDServer, &r.CashierINN})
        s->clear();
    r.TaxSystem = r.Agent = r.WorkMode = r.WorkModeEx = 255;
    r.ReasonCode = 255;
    r.FFD = 255;
    r.OFDPort = 0;
}
