#include "runreportdialog.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QPushButton>
#include <QUrl>

#include "accessiblenames.h"
#include "runreport.h"
#include "ui_runreportdialog.h"

RunReportDialog::RunReportDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::RunReportDialog)
{
    ui->setupUi(this);
    AccessibleNames::give(this);
    // Long file names must not push the reasons out of sight; both are in the tooltips whole.
    ui->treeWidgetProblems->header()->setSectionResizeMode(QHeaderView::Interactive);
    ui->treeWidgetProblems->setColumnWidth(0, 200);
    // A folder's end tells it apart from the others: the middle of the path gives way.
    ui->treeWidgetProblems->setTextElideMode(Qt::ElideMiddle);
    ui->treeWidgetProblems->setColumnWidth(1, 160);
    connect(ui->pushButtonCopy, &QPushButton::clicked, this, &RunReportDialog::copyList);
    connect(
        ui->pushButtonOpenFolder, &QPushButton::clicked, this, &RunReportDialog::openOutputFolder);
}

RunReportDialog::~RunReportDialog()
{
    delete ui;
}

void RunReportDialog::setReport(
    const RunReport &report, const QString &summary, const QString &outputFolder)
{
    ui->labelSummary->setText(summary);
    ui->treeWidgetProblems->clear();
    folder = outputFolder;
    for (int i = 0; i < report.size(); ++i) {
        const RunReport::Entry &entry = report.entry(i);
        if (entry.outcome != RunReport::Warned && entry.outcome != RunReport::Failed)
            continue;
        const QFileInfo file(QDir::fromNativeSeparators(entry.file));
        auto item = new QTreeWidgetItem(ui->treeWidgetProblems,
            { file.fileName(), QDir::toNativeSeparators(file.path()), report.reason(i) });
        item->setIcon(0,
            QIcon(entry.outcome == RunReport::Failed ? QStringLiteral(":/images/failed")
                                                     : QStringLiteral(":/images/warning")));
        item->setToolTip(0, entry.file);
        item->setToolTip(1, entry.file);
        item->setToolTip(2, report.reason(i));
        // Beside their inputs, the first problem's folder is the one worth a look.
        if (folder.isEmpty()) {
            folder = entry.output.isEmpty()
                ? QFileInfo(QDir::fromNativeSeparators(entry.file)).path()
                : QFileInfo(entry.output).path();
        }
    }
    list = report.problemList();
}

void RunReportDialog::copyList()
{
    QGuiApplication::clipboard()->setText(list);
}

void RunReportDialog::openOutputFolder()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
