#include "graphicconverter.h"

#include <QCloseEvent>
#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIcon>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QThread>
#include <QUrl>

#include "aboutdialog.h"
#include "accessiblenames.h"
#include "appshell.h"
#include "filenames.h"
#include "inputformats.h"
#include "outputformat.h"
#include "imagefolders.h"
#include "imageinfodialog.h"
#include "optionform.h"
#include "presets.h"
#include "namepattern.h"
#include "outputpreview.h"
#include "options.h"
#include "runreportdialog.h"
#include "settingsfile.h"
#include "tarvo_version.h"
#include "ui_graphicconverter.h"

namespace {

// What the window keeps of itself in tarvo.ini besides the options.
const QString windowSizeKey = QStringLiteral("MainWindow/size");
const QString windowPosKey = QStringLiteral("MainWindow/pos");
const QString addPathKey = QStringLiteral("Options/addpath"); // where Add and Import start

// The list shows each path the platform's way; the engine and Qt's file classes take '/'.
QString filePath(const QListWidgetItem *item)
{
    return QDir::fromNativeSeparators(item->text());
}

} // namespace

GraphicConverter::GraphicConverter(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::GraphicConverter)
{
    ui->setupUi(this);
    // The desktop shows this one; on Windows the executable's own icon group does too.
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarvo")));
    setUpStatusBar();

    listMenu.addAction(QIcon(QStringLiteral(":/images/explore")), tr("&Open Directory"), this,
        SLOT(openFileDirectory()), QKeySequence());
    // A file's properties by keyboard too: Enter or Alt+Enter on the list, as file managers.
    auto properties = listMenu.addAction(
        tr("&Properties"), this, [this] { showImageInfo(ui->listWidget->currentItem()); });
    properties->setObjectName(QStringLiteral("actionProperties"));
    properties->setShortcuts(
        { QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter),
            QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    properties->setShortcutContext(Qt::WidgetShortcut);
    ui->listWidget->addAction(properties);
    ui->lineEditPath->installEventFilter(this);
    // Typed folders are completed from the folders there are.
    auto *folders = new QFileSystemModel(ui->lineEditPath);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setRootPath(QString());
    auto *completer = new QCompleter(folders, ui->lineEditPath);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    ui->lineEditPath->setCompleter(completer);
    // Files and folders dropped from a file manager; item views take drops on their viewport.
    ui->listWidget->viewport()->setAcceptDrops(true);
    ui->listWidget->viewport()->installEventFilter(this);
    ui->listWidgetOptions->viewport()->installEventFilter(this);

    setWindowTitle(tr("Tarvo Image Converter") + QStringLiteral(" v" TARVO_VERSION));
    createPdfQuality();
    for (const OutputFormat *format : OutputFormats::all())
        ui->comboBoxFormat->addItem(QLatin1String(format->label));
    form = new OptionForm(this, ui->listWidgetOptions, ui->stackedWidgetOptions);
    outputPreview = new OutputPreview(ui->labelResizePreview, ui->labelNamePatternExample, this);
    // A page's tabs go by the page's name, as its entry in the list says it.
    for (int page = 0; page < ui->stackedWidgetOptions->count(); ++page) {
        auto tabs = ui->stackedWidgetOptions->widget(page)->findChild<QTabWidget *>();
        if (tabs && ui->listWidgetOptions->item(page))
            tabs->setAccessibleName(ui->listWidgetOptions->item(page)->text());
    }
    AccessibleNames::give(this);

    connectSignals();

    updateItemCount();
    showFormatQuality(ui->comboBoxFormat->currentIndex());
    updateResizeStates();
    setCustomCursor(this);
    loadStyleSheet();
    loadSettings();
}

void GraphicConverter::setUpStatusBar()
{
    // A run that ends on an error must not look like a finished one: the reason stays in the
    // status bar, beside the status tips, until the next run starts.
    errorLabel = new QLabel(ui->statusBar);
    errorLabel->setObjectName(QStringLiteral("labelError"));
    // A long reason is cut at the window's edge rather than widening the window.
    errorLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ui->statusBar->addWidget(errorLabel, 1);
    summaryLabel = new QLabel(ui->statusBar);
    summaryLabel->setObjectName(QStringLiteral("labelSummary"));
    // Set apart from a failure's line, which may run up to it.
    summaryLabel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    summaryLabel->setContentsMargins(6, 0, 6, 0);
    ui->statusBar->addPermanentWidget(summaryLabel);
    // An empty frame says nothing; the label shows once a run has something to tell.
    summaryLabel->hide();
    // Where the outputs are is worth a click after any run, not only one with problems.
    openFolderLabel = new QLabel(
        QStringLiteral("<a href=\"open\">%1</a>").arg(tr("Open Output Folder")), ui->statusBar);
    openFolderLabel->setObjectName(QStringLiteral("labelOpenOutputFolder"));
    ui->statusBar->addPermanentWidget(openFolderLabel);
    openFolderLabel->hide();
    connect(openFolderLabel, &QLabel::linkActivated, this,
        [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(outputFolderOfRun())); });
}

QString GraphicConverter::outputFolderOfRun() const
{
    if (!runOutputFolder.isEmpty())
        return runOutputFolder;
    // Beside their inputs: the first output's folder.
    for (int i = 0; i < report.size(); ++i) {
        if (!report.entry(i).output.isEmpty())
            return QFileInfo(QDir::fromNativeSeparators(report.entry(i).output)).path();
    }
    return QString();
}

void GraphicConverter::connectSignals()
{
    // clang-format off
    connect(ui->pushButtonAdd,                     SIGNAL(clicked()),                          this,                                  SLOT(addItems()));
    connect(ui->actionAdd,                         SIGNAL(triggered()),                        this,                                  SLOT(addItems()));
    connect(ui->actionImportFolder,                SIGNAL(triggered()),                        this,                                  SLOT(importFolder()));
    connect(ui->actionImportFolderRecursive,       SIGNAL(triggered()),                        this,                                  SLOT(importFolderRecursive()));
    connect(ui->pushButtonConvert,                 SIGNAL(clicked()),                          this,                                  SLOT(convert()));
    connect(ui->pushButtonStop,                    SIGNAL(clicked()),                          this,                                  SLOT(stop()));
    connect(ui->toolButtonPath,                    SIGNAL(clicked()),                          this,                                  SLOT(getSavePath()));
    connect(ui->pushButtonDelete,                  SIGNAL(clicked()),                          this,                                  SLOT(deleteItem()));
    connect(ui->actionDelete,                      SIGNAL(triggered()),                        this,                                  SLOT(deleteItem()));
    connect(ui->pushButtonClear,                   SIGNAL(clicked()),                          this,                                  SLOT(clearList()));
    connect(ui->actionClear,                       SIGNAL(triggered()),                        this,                                  SLOT(clearList()));
    connect(ui->pushButtonExit,                    SIGNAL(clicked()),                          this,                                  SLOT(close()));
    connect(ui->actionExit,                        SIGNAL(triggered()),                        this,                                  SLOT(close()));
    connect(ui->actionAbout,                       SIGNAL(triggered()),                        this,                                  SLOT(about()));
    connect(ui->listWidget,                        SIGNAL(customContextMenuRequested(QPoint)), this,                                  SLOT(showListMenu(QPoint)));
    connect(ui->listWidget,                        SIGNAL(itemDoubleClicked(QListWidgetItem*)), this,                                 SLOT(showImageInfo(QListWidgetItem*)));
    connect(ui->checkBoxOriginal,                  SIGNAL(toggled(bool)),                      ui->lineEditPath,                      SLOT(setDisabled(bool)));
    connect(ui->horizontalSliderQuality,           SIGNAL(valueChanged(int)),                  ui->spinBoxQuality,                    SLOT(setValue(int)));
    connect(ui->spinBoxQuality,                    SIGNAL(valueChanged(int)),                  ui->horizontalSliderQuality,           SLOT(setValue(int)));
    connect(ui->listWidgetOptions,                 SIGNAL(currentRowChanged(int)),             ui->stackedWidgetOptions,              SLOT(setCurrentIndex(int)));
    connect(ui->horizontalSliderJPEGQuality,       SIGNAL(valueChanged(int)),                  ui->spinBoxJPEGQuality,                SLOT(setValue(int)));
    connect(ui->spinBoxJPEGQuality,                SIGNAL(valueChanged(int)),                  ui->horizontalSliderJPEGQuality,       SLOT(setValue(int)));
    connect(ui->horizontalSliderGIFQuantizeColors, SIGNAL(valueChanged(int)),                  ui->spinBoxGIFQuantizeColors,          SLOT(setValue(int)));
    connect(ui->spinBoxGIFQuantizeColors,          SIGNAL(valueChanged(int)),                  ui->horizontalSliderGIFQuantizeColors, SLOT(setValue(int)));
    connect(ui->horizontalSliderGIFQuantizeTreeDepth, SIGNAL(valueChanged(int)),               ui->spinBoxGIFQuantizeTreeDepth,       SLOT(setValue(int)));
    connect(ui->spinBoxGIFQuantizeTreeDepth,       SIGNAL(valueChanged(int)),                  ui->horizontalSliderGIFQuantizeTreeDepth, SLOT(setValue(int)));
    connect(ui->toolButtonSelectColor,             SIGNAL(clicked()),                          this,                                  SLOT(selectBackgroundColor()));
    connect(ui->horizontalSliderPNGLevel,          SIGNAL(valueChanged(int)),                  ui->spinBoxPNGLevel,                   SLOT(setValue(int)));
    connect(ui->spinBoxPNGLevel,                   SIGNAL(valueChanged(int)),                  ui->horizontalSliderPNGLevel,          SLOT(setValue(int)));
    connect(ui->horizontalSliderResizeProportion,  SIGNAL(valueChanged(int)),                  ui->spinBoxResizeProportion,           SLOT(setValue(int)));
    connect(ui->spinBoxResizeProportion,           SIGNAL(valueChanged(int)),                  ui->horizontalSliderResizeProportion,  SLOT(setValue(int)));
    connect(&engine,                               SIGNAL(done()),                             this,                                  SLOT(done()));
    connect(&engine,                               SIGNAL(doneItem(int)),                      this,                                  SLOT(doneItem(int)));
    connect(ui->comboBoxFormat,                    SIGNAL(currentIndexChanged(int)),           this,                                  SLOT(showFormatQuality(int)));
    connect(ui->spinBoxQuality,                    SIGNAL(valueChanged(int)),                  this,                                  SLOT(setFormatQuality(int)));
    connect(ui->checkBoxResizeEnabled,             SIGNAL(toggled(bool)),                      this,                                  SLOT(updateResizeStates()));
    connect(ui->spinBoxResizeProportion,           SIGNAL(valueChanged(int)),                  this,                                  SLOT(updateResizeStates()));
    connect(ui->spinBoxResizePercent,              SIGNAL(valueChanged(int)),                  this,                                  SLOT(updateResizeStates()));
    connect(ui->comboBoxResizeOperator,            SIGNAL(currentIndexChanged(int)),           this,                                  SLOT(updateResizeStates()));
    // clang-format on
    connect(&engine, &ImageConvertEngine::finished, this, &GraphicConverter::fileFinished);
    // What the selected (or first) file becomes follows every control of the Resize page.
    for (QSpinBox *side : { ui->spinBoxResizeWidth, ui->spinBoxResizeHeight })
        connect(side, SIGNAL(valueChanged(int)), this, SLOT(updateResizeStates()));
    for (QAbstractButton *button : { static_cast<QAbstractButton *>(ui->radioButtonResizeExact),
             static_cast<QAbstractButton *>(ui->checkBoxResizeShrinkOnly) })
        connect(button, SIGNAL(toggled(bool)), this, SLOT(updateResizeStates()));
    connect(ui->listWidget, SIGNAL(currentRowChanged(int)), this, SLOT(updatePreview()));
    connect(ui->lineEditNamePattern, SIGNAL(textChanged(QString)), this, SLOT(updatePreview()));
    connect(ui->listWidget->model(), SIGNAL(rowsInserted(QModelIndex, int, int)), this,
        SLOT(updatePreview()));
    connect(ui->listWidget->model(), SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
        SLOT(updatePreview()));
    connect(ui->comboBoxFormat, SIGNAL(currentIndexChanged(int)), this, SLOT(updatePreview()));
    connect(ui->actionSaveOptionsAs, &QAction::triggered, this, &GraphicConverter::savePreset);
    connect(ui->menuPresets, &QMenu::aboutToShow, this, &GraphicConverter::fillPresetMenu);
    connect(ui->actionDefaultOptions, &QAction::triggered, this, [this] {
        ConversionSettings defaults = SettingsFile::defaults();
        defaults.path = currentSettings().path;
        form->show(defaults);
    });
    // Keeping the colour profile is a way of stripping; removing the location, of keeping.
    connect(
        ui->checkBoxStrip, &QCheckBox::toggled, ui->checkBoxKeepColorProfile, &QWidget::setEnabled);
    connect(
        ui->checkBoxStrip, &QCheckBox::toggled, ui->checkBoxRemoveLocation, &QWidget::setDisabled);
    ui->checkBoxKeepColorProfile->setEnabled(ui->checkBoxStrip->isChecked());
    ui->checkBoxRemoveLocation->setDisabled(ui->checkBoxStrip->isChecked());
    for (const OutputFormat *format : OutputFormats::all()) {
        if (QSpinBox *quality = formatQualitySource(format))
            connect(quality, SIGNAL(valueChanged(int)), this, SLOT(followFormatQuality()),
                Qt::UniqueConnection);
    }
}

GraphicConverter::~GraphicConverter()
{
    // The list outlives ui; its drops must not reach the filter then.
    ui->listWidget->viewport()->removeEventFilter(this);
    delete ui;
}

bool GraphicConverter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEditPath && event->type() == QEvent::MouseButtonDblClick) {
        openDirectory();
        return true;
    }
    if (watched == ui->listWidget->viewport())
        return handleDrop(event);
    if (watched == ui->listWidgetOptions->viewport() && event->type() == QEvent::Resize)
        fitPageList();
    return false;
}

void GraphicConverter::fitPageList()
{
    // The page list is as wide as its longest entry in the language and font shown
    // ("Redimensionnement"), beside a scroll bar when the window is short: wider by what that
    // entry lacks, whenever the list's room changes.
    QListWidget *pageList = ui->listWidgetOptions;
    int needed = 0;
    for (int row = 0; row < pageList->count(); ++row) {
        needed = qMax(needed,
            pageList->fontMetrics().horizontalAdvance(pageList->item(row)->text())
                + pageList->iconSize().width() + 12);
    }
    const int lacking = needed - pageList->viewport()->width();
    if (lacking > 0)
        pageList->setFixedWidth(pageList->width() + lacking);
}

void GraphicConverter::changeEvent(QEvent *event)
{
    // The desktop's theme changed: the swatch's border follows its text colour.
    if (event->type() == QEvent::PaletteChange)
        OptionForm::showColour(
            ui->labelBackgroundColor, QColor(ui->labelBackgroundColor->text()), this);
    QMainWindow::changeEvent(event);
}

void GraphicConverter::closeEvent(QCloseEvent *event)
{
    saveSettings();
    event->accept();
}

void GraphicConverter::addItems()
{
    // Every picture at once, then each format alone for a folder of mixed files.
    QStringList filters { tr("All pictures (%1)").arg(InputFormats::filterPatterns()) };
    for (const InputFormats::Format &format : InputFormats::all()) {
        filters.append(
            QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("InputFormats", format.name),
                InputFormats::filterPatterns(&format)));
    }
    filters.append(tr("All Files (*)"));
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open Files"), addPath, filters.join(QStringLiteral(";;")));
    if (files.isEmpty())
        return;
    addPath = QFileInfo(files.first()).absolutePath();
    addPaths(files);
}

void GraphicConverter::importFolder()
{
    chooseFolderToImport(false);
}

void GraphicConverter::importFolderRecursive()
{
    chooseFolderToImport(true);
}

void GraphicConverter::chooseFolderToImport(bool recursive)
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose Directory"), addPath,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    addPath = folder;
    addPaths({ folder }, recursive);
}

void GraphicConverter::addPaths(const QStringList &paths, bool recursive)
{
    QSet<QString> seen = listedFiles();
    QStringList files;
    QStringList roots; // the folder each file was imported from, for "Keep sub-folders"
    QStringList unnamable;
    QStringList missing;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString absolute = info.absoluteFilePath();
        if (info.isDir()) {
            seen.insert(info.canonicalFilePath());
            ImageFolders::collect(absolute, recursive, &files, &seen, &unnamable);
            while (roots.size() < files.size())
                roots.append(absolute);
        } else if (info.isFile()) {
            if (ImageFolders::firstVisit(absolute, &seen)) {
                files.append(absolute);
                roots.append(QString());
            }
        } else if (!FileNames::unnamableEntry(absolute).isEmpty()) {
            unnamable.append(FileNames::unnamableEntry(absolute));
        } else {
            missing.append(QDir::toNativeSeparators(path));
        }
    }
    for (int i = 0; i < files.size(); ++i)
        appendFile(files[i], roots[i]);
    if (!files.isEmpty())
        updateItemCount();

    // QDir leaves out, without a word, the files that no QString can name.
    QStringList problems;
    if (!unnamable.isEmpty())
        problems.append(tr("Not added, the name is not valid UTF-8: %1")
                            .arg(unnamable.join(QStringLiteral(", "))));
    if (!missing.isEmpty())
        problems.append(
            tr("Not added, no such file or folder: %1").arg(missing.join(QStringLiteral(", "))));
    for (const QString &text : qAsConst(problems))
        qDebug("Error: %s", qPrintable(text));
    if (!problems.isEmpty()) {
        errorLabel->setText(problems.join(QStringLiteral("; ")));
        errorLabel->setToolTip(problems.join(QLatin1Char('\n')));
    }
}

QSet<QString> GraphicConverter::listedFiles() const
{
    QSet<QString> files;
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        const QString real = QFileInfo(filePath(ui->listWidget->item(row))).canonicalFilePath();
        // A listed file that is gone has no real path to compare.
        if (!real.isEmpty())
            files.insert(real);
    }
    return files;
}

bool GraphicConverter::handleDrop(QEvent *event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove
        && event->type() != QEvent::Drop)
        return false;
    auto drop = static_cast<QDropEvent *>(event);
    QStringList paths;
    // Nothing is added while a run holds the list, as the Add button is disabled then.
    if (ui->actionAdd->isEnabled() && drop->mimeData()->hasUrls()) {
        for (const QUrl &url : drop->mimeData()->urls()) {
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
        }
    }
    if (paths.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        addPaths(paths);
    return true;
}

void GraphicConverter::convert()
{
    if (ui->listWidget->count() < 1) {
        QMessageBox::information(this, tr("Information"), tr("No Files"), QMessageBox::Ok);
        return;
    }

    auto settings = std::make_unique<ConversionSettings>(currentSettings());
    const QString patternProblem = NamePattern::problem(settings->namePattern);
    if (!patternProblem.isEmpty()) {
        QMessageBox::warning(
            this, tr("Output Names"), tr("The name pattern %1.").arg(patternProblem));
        ui->lineEditNamePattern->setFocus();
        return;
    }
    if (!settings->path.isEmpty() && !QFileInfo(settings->path).isDir()) {
        const QString folder = QDir::toNativeSeparators(QDir::cleanPath(settings->path));
        if (QMessageBox::question(
                this, tr("Output Folder"), tr("The folder %1 does not exist. Make it?").arg(folder))
            != QMessageBox::Yes)
            return;
        if (!QDir().mkpath(settings->path)) {
            QMessageBox::warning(
                this, tr("Output Folder"), tr("The folder %1 cannot be made.").arg(folder));
            return;
        }
    }
    runOutputFolder = QDir(settings->path).exists() ? settings->path : QString();
    QStringList files;
    QStringList roots;
    QStringList shown;
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        QListWidgetItem *item = ui->listWidget->item(row);
        files.append(filePath(item));
        roots.append(item->data(importRootRole).toString());
        shown.append(item->text());
        // Outcomes of an earlier run no longer hold.
        item->setIcon(QIcon(QStringLiteral(":/images/image")));
        item->setToolTip(QString());
    }

    errorLabel->clear();
    errorLabel->setToolTip(QString());
    summaryLabel->clear();
    summaryLabel->hide();
    openFolderLabel->hide();
    // The report speaks of the last run only.
    if (reportDialog)
        reportDialog->hide();
    report.start(shown);
    runJobs = qMax(1, settings->jobs);
    runClock.start();
    engine.start(files, std::move(settings), roots);
    setRunLocked(true);
    ui->progressBar->setMaximum(ui->listWidget->count());
    ui->progressBar->setValue(0);
    ui->progressBar->setFormat(tr("%v of %m"));
    qDebug("test listWidget current thread: %p", static_cast<void *>(QThread::currentThreadId()));
}

void GraphicConverter::stop()
{
    if (!ui->pushButtonConvert->isEnabled() && stopping == 0) {
        engine.requestStop();
        // The files in hand finish (a file is never left half written); say so until they do.
        stopping = qMax(1, qMin(runJobs, report.size() - report.processed()));
        showStopping();
    }
}

void GraphicConverter::showStopping()
{
    summaryLabel->setText(stopping == 1 ? tr("Stopping… (1 file finishing)")
                                        : tr("Stopping… (%1 files finishing)").arg(stopping));
    summaryLabel->show();
}

void GraphicConverter::getSavePath()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose Directory"),
        ui->lineEditPath->text(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty())
        ui->lineEditPath->setText(folder);
}

void GraphicConverter::deleteItem()
{
    qDeleteAll(ui->listWidget->selectedItems());
    updateItemCount();
}

void GraphicConverter::clearList()
{
    ui->listWidget->clear();
    updateItemCount();
    // Nothing is left that the last run's count was about.
    ui->progressBar->setValue(0);
    ui->progressBar->setMaximum(1);
    ui->progressBar->resetFormat();
    summaryLabel->clear();
    summaryLabel->hide();
    openFolderLabel->hide();
}

void GraphicConverter::about()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void GraphicConverter::done()
{
    setRunLocked(false);
    stopping = 0;
    // The bar and the rows keep showing how far the run got and what became of each file.
    const QString summary = report.summary(runClock.elapsed());
    summaryLabel->setText(summary);
    summaryLabel->show();
    openFolderLabel->setVisible(!outputFolderOfRun().isEmpty());
    qDebug("%s", qPrintable(summary));
    if (report.hasProblems())
        showRunReport();
}

void GraphicConverter::doneItem(int index)
{
    report.finished(index);
    showOutcome(index);
    ui->listWidget->setCurrentRow(index);
}

void GraphicConverter::fileFinished(int index, const ImagePipeline::FileResult &result)
{
    report.record(index, result);
    if (stopping > 1) {
        --stopping;
        showStopping();
    }
    if (result.status != ImagePipeline::FileResult::Converted
        && result.status != ImagePipeline::FileResult::Skipped)
        showError(index, result);
}

void GraphicConverter::showOutcome(int index)
{
    ui->progressBar->setValue(report.processed());
    QListWidgetItem *item = ui->listWidget->item(index);
    if (!item)
        return;
    static const char *const icons[]
        = { ":/images/image", ":/images/converted", ":/images/warning", ":/images/failed" };
    const RunReport::Outcome outcome = report.entry(index).outcome;
    if (outcome == RunReport::Skipped) {
        // Done before: the tick, greyed.
        const QIcon done(QStringLiteral(":/images/converted"));
        item->setIcon(QIcon(done.pixmap(
            ui->listWidget->iconSize().isValid() ? ui->listWidget->iconSize() : QSize(16, 16),
            QIcon::Disabled)));
    } else {
        item->setIcon(QIcon(QLatin1String(icons[outcome])));
    }
    item->setToolTip(report.toolTip(index));
}

void GraphicConverter::showRunReport()
{
    if (!reportDialog)
        reportDialog = new RunReportDialog(this);
    reportDialog->setReport(report, summaryLabel->text(), runOutputFolder);
    reportDialog->show();
    reportDialog->raise();
}

void GraphicConverter::showImageInfo(QListWidgetItem *item)
{
    if (!item)
        return;
    ImageInfoDialog dialog(filePath(item), this);
    dialog.exec();
}

void GraphicConverter::openDirectory()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ui->lineEditPath->text()));
}

void GraphicConverter::openFileDirectory()
{
    const QListWidgetItem *item = ui->listWidget->currentItem();
    if (!item)
        return;
    // A file that is gone has no folder to show; its canonical path would name another one.
    const QFileInfo file(filePath(item));
    if (file.exists())
        QDesktopServices::openUrl(QUrl::fromLocalFile(file.canonicalPath()));
}

void GraphicConverter::selectBackgroundColor()
{
    const QColor color = QColorDialog::getColor(
        QColor(ui->labelBackgroundColor->text()), this, tr("Select Color"));
    if (!color.isValid())
        return;
    OptionForm::showColour(ui->labelBackgroundColor, color);
}

void GraphicConverter::showListMenu(QPoint pos)
{
    if (!ui->listWidget->currentItem())
        return;
    listMenu.exec(ui->listWidget->mapToGlobal(pos));
    qDebug() << "show list menu" << pos.x() << pos.y();
}

void GraphicConverter::updateItemCount()
{
    const int count = ui->listWidget->count();
    // Each count its own text: "0 item" is what the window has always said in English, while
    // other languages say none their own way.
    ui->itemCountLabel->setText(count == 0 ? tr("0 item")
            : count == 1                   ? tr("1 item")
                                           : tr("%1 items").arg(count));
    // A screen reader on the list hears how many files it holds.
    ui->listWidget->setAccessibleDescription(ui->itemCountLabel->text());
}

void GraphicConverter::appendFile(const QString &path, const QString &root)
{
    auto *item = new QListWidgetItem(
        QIcon(QStringLiteral(":/images/image")), QDir::toNativeSeparators(path));
    item->setData(importRootRole, root);
    ui->listWidget->addItem(item);
}

void GraphicConverter::setRunLocked(bool locked)
{
    const bool enabled = !locked;
    ui->pushButtonAdd->setEnabled(enabled);
    ui->actionAdd->setEnabled(enabled);
    ui->actionImportFolder->setEnabled(enabled);
    ui->actionImportFolderRecursive->setEnabled(enabled);
    ui->pushButtonConvert->setEnabled(enabled);
    ui->pushButtonDelete->setEnabled(enabled);
    ui->actionDelete->setEnabled(enabled);
    ui->pushButtonClear->setEnabled(enabled);
    ui->actionClear->setEnabled(enabled);
    ui->pushButtonExit->setEnabled(enabled);
    ui->actionExit->setEnabled(enabled);
    ui->listWidget->setEnabled(enabled);
}

void GraphicConverter::showError(int index, const ImagePipeline::FileResult &result)
{
    showOutcome(index);
    const QListWidgetItem *item = ui->listWidget->item(index);
    QString text = QStringLiteral("%1: %2").arg(result.about, result.reason.translated());
    // A reason about an output names it; one about the input needs no second name.
    if (item && result.about == result.input)
        text = tr("Could not convert %1: %2").arg(item->text(), result.reason.translated());
    else if (item)
        text = tr("Could not convert %1: %2").arg(item->text(), result.error());
    errorLabel->setText(text);
    errorLabel->setToolTip(text);
}

ConversionSettings GraphicConverter::currentSettings() const
{
    ConversionSettings s = SettingsFile::defaults();
    form->read(s);
    if (!ui->lineEditPath->text().isEmpty() && !ui->checkBoxOriginal->isChecked())
        s.path = ui->lineEditPath->text();
    return s;
}

void GraphicConverter::loadSettings()
{
    // A file far larger than any the window writes is damaged; reading it whole could take
    // the program down. It is left unread, and moved aside when the settings are saved.
    const QString file = QStringLiteral("tarvo.ini");
    QSettings settings(SettingsFile::isReadable(file) ? file : QString(), QSettings::IniFormat);

    // The first window is as designed, but taller where the screen has room, so the option
    // pages show more; a size saved on a larger screen (or at a smaller scale) is brought
    // within this one. Never below what the layout needs, which the window enforces itself.
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    // Room for the frame the window manager draws around the window.
    const QSize room = screen.isValid() ? screen.size() - QSize(20, 60) : QSize(4096, 4096);
    QSize size = settings.value(windowSizeKey).toSize();
    if (!size.isValid())
        size = QSize(width(), 760);
    resize(size.boundedTo(room));

    // Started from a terminal, the folder the user is in is where pictures come from and go
    // to. The menu's launcher starts the window in its settings folder instead, and names the
    // folder to offer in its place.
    QString folder = qEnvironmentVariable("TARVO_DEFAULT_FOLDER");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::currentPath();
    const QString path = settings.value(Options::outputFolder().settingsKey(), folder).toString();
    ui->lineEditPath->setText(QDir(path).exists() ? path : folder);
    addPath = settings.value(addPathKey, folder).toString();

    form->show(SettingsFile::read(file));

    // Told now, while the user can still do something about it, rather than at the close
    // that would lose the options chosen.
    const QString unsaved = SettingsFile::whyNotWritable(file);
    if (!unsaved.isEmpty()) {
        const QString text
            = tr("The options will not be saved: %1 cannot be written (%2)")
                  .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), unsaved);
        errorLabel->setText(text);
        errorLabel->setToolTip(text);
    }
}

void GraphicConverter::saveSettings()
{
    // The settings store reads the old file back before writing; a damaged one is kept aside.
    // Where it cannot be kept aside, nothing is saved rather than the whole file read.
    if (!SettingsFile::isReadable(QStringLiteral("tarvo.ini"))) {
        QFile::remove(QStringLiteral("tarvo.ini.damaged"));
        QFile damaged(QStringLiteral("tarvo.ini"));
        if (!damaged.rename(QStringLiteral("tarvo.ini.damaged"))) {
            qDebug("Error: tarvo.ini: cannot keep the damaged file aside: %s",
                qPrintable(damaged.errorString()));
            return;
        }
    }
    QSettings settings(QStringLiteral("tarvo.ini"), QSettings::IniFormat);

    // A maximised window keeps the size and place it had before.
    if (!isMaximized()) {
        settings.setValue(windowSizeKey, size());
        settings.setValue(windowPosKey, pos());
    }
    SettingsFile::write(settings, currentSettings());
    // The folder is kept as typed, also while outputs go beside the inputs.
    settings.setValue(Options::outputFolder().settingsKey(), ui->lineEditPath->text());
    settings.setValue(addPathKey, addPath);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qDebug("Error: tarvo.ini: the options could not be saved");
}

void GraphicConverter::createPdfQuality()
{
    pdfQuality = new QSpinBox(this);
    const Options::Option &quality = Options::generalQuality();
    pdfQuality->setObjectName(QLatin1String(quality.widget));
    pdfQuality->setRange(quality.minimum, quality.maximum);
    pdfQuality->setValue(quality.defaultValue.toInt());
    pdfQuality->setAccessibleName(tr("PDF quality"));
    pdfQuality->hide();
}

// A format's quality is the row of its options marked as such, or the general one; for a
// format without, the control shows the general quality, disabled.
QSpinBox *GraphicConverter::formatQualitySource(const OutputFormat *format) const
{
    if (format && !format->takesGeneralQuality) {
        for (const Options::Option &option : format->options) {
            if (option.quality)
                return qobject_cast<QSpinBox *>(form->widget(option));
        }
    }
    return format && format->takesGeneralQuality ? pdfQuality : nullptr;
}

QSpinBox *GraphicConverter::currentQualitySource() const
{
    QSpinBox *source
        = formatQualitySource(OutputFormats::all().value(ui->comboBoxFormat->currentIndex()));
    return source ? source : pdfQuality;
}

void GraphicConverter::showFormatQuality(int index)
{
    const OutputFormat *format = OutputFormats::all().value(index);
    const QString tip = format && format->qualityTip
        ? QCoreApplication::translate("GraphicConverter", format->qualityTip)
        : QString();
    const bool applies = formatQualitySource(format) != nullptr;
    const QList<QWidget *> controls
        = { ui->label_3, ui->horizontalSliderQuality, ui->spinBoxQuality };
    for (QWidget *widget : controls) {
        widget->setEnabled(applies);
        widget->setStatusTip(tip);
    }
    followFormatQuality();
}

void GraphicConverter::setFormatQuality(int value)
{
    currentQualitySource()->setValue(value);
}

void GraphicConverter::followFormatQuality()
{
    ui->spinBoxQuality->setValue(currentQualitySource()->value());
}

void GraphicConverter::savePreset()
{
    bool given = false;
    const QString name = QInputDialog::getText(this, tr("Save Options As"),
        tr("Name of the preset:"), QLineEdit::Normal, QString(), &given)
                             .trimmed();
    if (!given)
        return;
    if (!Presets::isValidName(name)) {
        QMessageBox::warning(this, tr("Save Options As"),
            tr("A preset cannot be called \"%1\": give it a name without \"/\" that does not "
               "start with a dot.")
                .arg(name));
        return;
    }
    if (Presets::names().contains(name)
        && QMessageBox::question(this, tr("Save Options As"),
               tr("There is a preset \"%1\" already. Replace it?").arg(name))
            != QMessageBox::Yes)
        return;
    QString error;
    if (!Presets::save(name, currentSettings(), &error)) {
        QMessageBox::warning(this, tr("Save Options As"),
            tr("The preset %1 %2.").arg(QDir::toNativeSeparators(Presets::pathOf(name)), error));
    }
}

void GraphicConverter::fillPresetMenu()
{
    // Made again each time: presets saved meanwhile, by another window or by hand, show too.
    for (QAction *action : ui->menuPresets->actions()) {
        if (action->property("preset").isValid()) {
            ui->menuPresets->removeAction(action);
            action->deleteLater();
        }
    }
    const QStringList names = Presets::names();
    QAction *before = ui->actionDefaultOptions;
    for (const QString &name : names) {
        auto *load = new QAction(name, ui->menuPresets);
        load->setProperty("preset", name);
        load->setStatusTip(tr("Set every option as the preset %1 has it").arg(name));
        connect(load, &QAction::triggered, this, [this, name] {
            ConversionSettings preset = SettingsFile::read(Presets::pathOf(name));
            form->show(preset);
        });
        ui->menuPresets->insertAction(before, load);
    }
    if (names.isEmpty())
        return;
    auto *remove = new QMenu(tr("De&lete Preset"), ui->menuPresets);
    for (const QString &name : names) {
        remove->addAction(name, this, [this, name] {
            if (QMessageBox::question(
                    this, tr("Delete Preset"), tr("Delete the preset \"%1\"?").arg(name))
                == QMessageBox::Yes)
                Presets::remove(name);
        });
    }
    QAction *deleting = ui->menuPresets->insertMenu(before, remove);
    deleting->setProperty("preset", QString());
    QAction *separator = ui->menuPresets->insertSeparator(before);
    separator->setProperty("preset", QString());
}

void GraphicConverter::updateResizeStates()
{
    // What does not apply is disabled: a factor other than 0 replaces the width and height,
    // the filter serves only the customized operator. "Based on width" fits the picture into
    // width x height keeping its proportions, so the height still bounds a tall picture and
    // stays offered.
    const bool on = ui->checkBoxResizeEnabled->isChecked();
    const bool noFactor = on && ui->spinBoxResizeProportion->value() == 0;
    const bool box = noFactor && ui->spinBoxResizePercent->value() == 0;
    ui->horizontalSliderResizeProportion->setEnabled(on);
    ui->spinBoxResizeProportion->setEnabled(on);
    ui->labelResizePercent->setEnabled(noFactor);
    ui->spinBoxResizePercent->setEnabled(noFactor);
    ui->checkBoxResizeShrinkOnly->setEnabled(on);
    ui->spinBoxResizeWidth->setEnabled(box);
    ui->label_5->setEnabled(box);
    ui->radioButtonResizeExact->setEnabled(box);
    ui->radioButtonResizeWidth->setEnabled(box);
    ui->spinBoxResizeHeight->setEnabled(box);
    ui->label_6->setEnabled(box);
    ui->comboBoxResizeOperator->setEnabled(on);
    ui->comboBoxResizeFilterType->setEnabled(on && ui->comboBoxResizeOperator->currentIndex() == 2);
    updatePreview();
}

void GraphicConverter::updatePreview()
{
    if (!outputPreview)
        return;
    QListWidgetItem *item = ui->listWidget->currentItem();
    if (!item && ui->listWidget->count() > 0)
        item = ui->listWidget->item(0);
    outputPreview->show(item ? filePath(item) : QString(), item ? ui->listWidget->row(item) + 1 : 0,
        currentSettings());
}
