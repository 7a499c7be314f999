#include "aboutdialog.h"

#include "appshell.h"
#include "ui_aboutdialog.h"

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    setCustomCursor(this);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}
