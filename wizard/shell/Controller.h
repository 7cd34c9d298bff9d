#pragma once
// TController: the one object through which pages talk to the shell (move
// on, enable buttons, find another page) and in which they leave what they
// collect for later pages. Reached through Controller(), made on first use.

#include "wizard/shell/ParamPage.h"
#include "wizard/shell/RegParams.h"

#include <QString>

// What the main window offers the controller.
class TWizardShell
{
public:
    virtual ~TWizardShell() = default;
    virtual void Next() = 0;
    virtual void Prev() = 0;
    virtual void Home() = 0;
    virtual void EnableNext(bool AEnable) = 0;
    virtual void EnablePrev(bool AEnable) = 0;
    virtual void EnableHome(bool AEnable) = 0;
    virtual void EnableSettings(bool AEnable) = 0;
    virtual const TParamPages &Pages() const = 0;
};

// The re-registration reason codes dialog, as the work mode step and the
// registration report use it. The dialog itself lives in common/; the
// program hands it to the controller at start.
class TReasonCodesSource
{
public:
    virtual ~TReasonCodesSource() = default;
    // Shows the dialog modally with the codes ticked; false when cancelled.
    virtual bool Execute(quint32 &codes) = 0;
    // Caption of the check box for bit `bit` without its leading number,
    // dot and blank; empty for a bit the dialog does not have.
    virtual QString ReasonText(int bit) const = 0;
};

class TController
{
public:
    TPageClass NextPageClass = nullptr;
    TParamPage *CurrentPage = nullptr;
    bool IsOFDSettingMode = false;
    QString IP;
    bool DHCP = false;
    int TCPPort = 0;
    QString KKTName;
    QString KKTSN;
    bool Yur = false;
    bool IsRNDIS = false;
    int NetType = 0; // 0 Ethernet, 1 WiFi, 2 RNDIS
    bool IsComConnection = false;
    TRegParams RegParams;
    bool X5Mode = false;

    void SetShell(TWizardShell *AShell) { FShell = AShell; }
    void SetReasonCodes(TReasonCodesSource *ASource) { FReasonCodes = ASource; }
    TReasonCodesSource *ReasonCodes() const { return FReasonCodes; }

    void Next();
    void Prev();
    void Home();
    void EnableNext(bool AEnable);
    void EnablePrev(bool AEnable);
    void EnableHome(bool AEnable);
    void EnableSettings(bool AEnable);
    TParamPage *FindPageByClass(TPageClass APage) const;
    // Resets the collected registration data; the job flags, serial numbers,
    // result fields, KM server and extended reason codes stay.
    void ClearRegParams();

    template <typename TPage>
    void SetNext() { NextPageClass = &TPage::staticMetaObject; }

private:
    TWizardShell *FShell = nullptr;
    TReasonCodesSource *FReasonCodes = nullptr;
};

TController &Controller();
