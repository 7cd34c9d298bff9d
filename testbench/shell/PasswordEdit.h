#pragma once
// The result panel's password field. Typed characters other than digits
// and the full stop are dropped, and every paste (keys, context menu, middle
// button) is vetted by CheckPasswordText before it reaches the field.

#include <QLineEdit>

// Refuses a text of more than 1024 characters or one that is not an integer.
void CheckPasswordText(const QString &text);

class TPasswordEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TPasswordEdit(QWidget *parent = nullptr);

    // Pastes the clipboard text when it passes the check; otherwise shows
    // the error and leaves the field as it is.
    void Paste();

signals:
    void FocusLost();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
