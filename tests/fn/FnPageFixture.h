#pragma once
// The test bench window in a throwaway settings home: each test starts on a
// fresh emulated register (its state lives in the data folder) and with the
// message boxes answered by FAnswer and collected in FMessages.

#include "driver/Driver.h"
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"
#include "testbench/shell/Language.h"
#include "testbench/shell/MainForm.h"
#include "testbench/shell/MessageBoxes.h"
#include "testbench/shell/Page.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class BenchFixture
{
protected:
    // For init(), under QVERIFY: false when no temporary home could be made.
    bool StartFresh()
    {
        FHome = std::make_unique<QTemporaryDir>();
        if (!FHome->isValid())
            return false;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(FHome->filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(FHome->filePath(QStringLiteral("data"))));
        ForgetCachedLanguage();
        BindCatalogue();
        FMessages.clear();
        FAnswer = QMessageBox::Ok;
        SetMessageResponder([this](const TMessage &message) {
            FMessages.append(message);
            return FAnswer;
        });
        return true;
    }

    // For cleanup(); page pointers must be dropped before, the window goes here.
    void Finish()
    {
        FWindow.reset();
        FreeDriver();
        SetMessageResponder({});
        ForgetCachedLanguage();
        FHome.reset();
    }

    // The language is read at start-up, so the window must be closed first.
    static void SwitchLanguage(const QString &language)
    {
        SetLanguage(language);
        ForgetCachedLanguage();
        BindCatalogue();
    }

    std::unique_ptr<QTemporaryDir> FHome;
    std::unique_ptr<TfmMain> FWindow;
    QList<TMessage> FMessages;
    QMessageBox::StandardButton FAnswer = QMessageBox::Ok;
};

// The standard window shown on the page under test, FPage.
template <class TMainPage>
class FnPageFixture : public BenchFixture
{
protected:
    void OpenWindow()
    {
        FWindow = std::make_unique<TfmMain>();
        FPage = FWindow->Pages().PageByClass<TMainPage>();
        QVERIFY(FPage);
        FWindow->SetPage(FPage);
        FWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
    }

    void CloseWindow()
    {
        FPage = nullptr;
        FWindow.reset();
    }

    void Finish()
    {
        FPage = nullptr;
        BenchFixture::Finish();
    }

    template <class T>
    T *Control(const char *name) const
    {
        return FPage->template findChild<T *>(QLatin1String(name));
    }
    QPushButton *Button(const char *name) const { return Control<QPushButton>(name); }
    QLineEdit *Edit(const char *name) const { return Control<QLineEdit>(name); }
    QCheckBox *Box(const char *name) const { return Control<QCheckBox>(name); }
    QString MemoText() const { return Control<QPlainTextEdit>("Memo")->toPlainText(); }
    QString ResultPanel() const { return FWindow->findChild<QLineEdit *>(QStringLiteral("edtResult"))->text(); }
    std::shared_ptr<emu::EmulatedRegister> Register() const
    {
        return emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    }
    emu::FiscalDrive Drive() const
    {
        return emu::FiscalDrive::load(Register()->snapshot(), QDateTime::currentDateTime());
    }

    void Click(const char *name)
    {
        QPushButton *button = Button(name);
        QVERIFY2(button, name);
        button->click();
        QVERIFY2(button->isEnabled(), name); // buttons are back after every handler
    }

    TMainPage *FPage = nullptr;
};
