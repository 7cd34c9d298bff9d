#pragma once
// Base of the main window, the pages and the modal dialogs of the test bench.

#include <QPointer>
#include <QWidget>

class QPushButton;

class TBaseForm : public QWidget
{
    Q_OBJECT
public:
    explicit TBaseForm(QWidget *parent = nullptr);

    // False disables every enabled push button of the form (marking it) and
    // remembers the focused one; True re-enables only the marked buttons and
    // gives the remembered one its focus back.
    virtual void EnableButtons(bool Value);

protected:
    // Every push button of the form, children before their parents.
    QList<QPushButton *> Buttons() const;
    void RememberFocusedButton();
    void RestoreFocusedButton();

private:
    QPointer<QPushButton> FFocusedButton;
};
