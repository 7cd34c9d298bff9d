#pragma once
// "О программе": the driver's and the test bench's versions and the maker's site.

#include <QDialog>

class TfmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfmAbout(QWidget *parent = nullptr);
};
