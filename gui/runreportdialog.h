#ifndef RUNREPORTDIALOG_H
#define RUNREPORTDIALOG_H

#include <QDialog>
#include <QString>

class RunReport;

namespace Ui {
class RunReportDialog;
}

// Every file of the last run that failed or converted with a warning, with the reason, so
// the user can act on each after the status bar has moved on. Non-modal: the window stays
// usable while it is open, and the next run with problems fills it again. Lives in the GUI
// thread; owns its widget holder.
class RunReportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RunReportDialog(QWidget *parent = nullptr);
    ~RunReportDialog() override;

    // outputFolder is where the outputs went, or empty when they went beside their inputs.
    void setReport(const RunReport &report, const QString &summary, const QString &outputFolder);

private slots:
    void copyList();
    void openOutputFolder();

private:
    Ui::RunReportDialog *ui;
    QString list;
    QString folder;
};

#endif // RUNREPORTDIALOG_H
