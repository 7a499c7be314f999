#include "graphicconverter.h"

#include <QCloseEvent>
#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QSettings>
#include <QSpinBox>
#include <QThread>
#include <QUrl>

#include "aboutdialog.h"
#include "appshell.h"
#include "filenames.h"
#include "formats.h"
#include "imageinfodialog.h"
#include "settingsfile.h"
#include "tarvo_version.h"
#include "ui_graphicconverter.h"

namespace {

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
    // A run that ends on an error must not look like a finished one: the reason stays in the
    // status bar, beside the status tips, until the next run starts.
    errorLabel = new QLabel(ui->statusBar);
    errorLabel->setObjectName(QStringLiteral("labelError"));
    // A long reason is cut at the window's edge rather than widening the window.
    errorLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ui->statusBar->addWidget(errorLabel, 1);

    listMenu.addAction(QIcon(QStringLiteral(":/images/explore")), tr("&Open Directory"), this,
        SLOT(openFileDirectory()), QKeySequence());
    ui->lineEditPath->installEventFilter(this);

    setWindowTitle(tr("Tarvo Image Converter") + QStringLiteral(" v" TARVO_VERSION));

    // clang-format off
    connect(ui->pushButtonAdd,                     SIGNAL(clicked()),                          this,                                  SLOT(addItems()));
    connect(ui->actionAdd,                         SIGNAL(triggered()),                        this,                                  SLOT(addItems()));
    connect(ui->actionImportFolder,                SIGNAL(triggered()),                        this,                                  SLOT(importFolder()));
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
    connect(ui->pushButtonGlobalDefault,           SIGNAL(clicked()),                          this,                                  SLOT(resetGlobalOptions()));
    connect(ui->pushButtonJPEGDefault,             SIGNAL(clicked()),                          this,                                  SLOT(resetJPEGOptions()));
    connect(ui->pushButtonGIFDefault,              SIGNAL(clicked()),                          this,                                  SLOT(resetGIFOptions()));
    connect(ui->pushButtonPNGDefault,              SIGNAL(clicked()),                          this,                                  SLOT(resetPNGOptions()));
    connect(ui->pushButtonResizeDefault,           SIGNAL(clicked()),                          this,                                  SLOT(resetResizeOptions()));
    connect(&engine,                               SIGNAL(done()),                             this,                                  SLOT(done()));
    connect(&engine,                               SIGNAL(doneItem(int)),                      this,                                  SLOT(doneItem(int)));
    // clang-format on
    connect(&engine, &ImageConvertEngine::error, this, &GraphicConverter::showError);

    updateItemCount();
    setCustomCursor(this);
    loadStyleSheet();
    loadSettings();
}

GraphicConverter::~GraphicConverter()
{
    delete ui;
}

bool GraphicConverter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEditPath && event->type() == QEvent::MouseButtonDblClick) {
        openDirectory();
        return true;
    }
    return false;
}

void GraphicConverter::closeEvent(QCloseEvent *event)
{
    saveSettings();
    event->accept();
}

void GraphicConverter::addItems()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open Files"), QString(), Formats::imageFilter() + tr(";;All Files (*.*)"));
    for (const QString &file : files)
        appendFile(file);
    if (!files.isEmpty())
        updateItemCount();
}

void GraphicConverter::importFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose Directory"),
        QDir::currentPath(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    QDir dir(folder);
    dir.setNameFilters(Formats::imagePatterns());
    // NoSort falls back to the folder's own order: by name, ignoring case.
    const QStringList names = dir.entryList(QDir::Files, QDir::NoSort);
    for (const QString &name : names)
        appendFile(dir.absoluteFilePath(name));
    if (!names.isEmpty())
        updateItemCount();
    // QDir leaves out, without a word, the files that no QString can name.
    const QStringList unnamable
        = FileNames::unnamableEntries(dir.absolutePath(), dir.nameFilters(), false);
    if (!unnamable.isEmpty()) {
        const QString text = tr("Not added, the name is not valid UTF-8: %1")
                                 .arg(unnamable.join(QStringLiteral(", ")));
        qDebug("Error: %s", qPrintable(text));
        errorLabel->setText(text);
        errorLabel->setToolTip(text);
    }
}

void GraphicConverter::convert()
{
    if (ui->listWidget->count() < 1) {
        QMessageBox::information(this, tr("Information"), tr("No Files"), QMessageBox::Ok);
        return;
    }

    auto settings = std::make_unique<ConversionSettings>();
    const int format = ui->comboBoxFormat->currentIndex();
    if (format >= 0 && format < Formats::outputFormats().size())
        settings->format = Formats::outputFormats().at(format).name;
    if (!ui->lineEditPath->text().isEmpty() && !ui->checkBoxOriginal->isChecked())
        settings->path = ui->lineEditPath->text();
    settings->quality = ui->horizontalSliderQuality->value();
    settings->originalDirectory = ui->checkBoxOriginal->isChecked();

    settings->overwrite = ui->checkBoxOverwrite->isChecked();
    settings->strip = ui->checkBoxStrip->isChecked();
    settings->transparent = ui->checkBoxTransparent->isChecked();
    settings->backgroundColor = ui->labelBackgroundColor->text();

    settings->jpegType = ui->comboBoxJPEGImageType->currentIndex();
    settings->jpegHuffman = ui->checkBoxJPEGHuffman->isChecked();
    settings->jpegProgressive = ui->checkBoxJPEGProgressive->isChecked();
    settings->jpegDensityX = ui->spinBoxJPEGDPI->value();
    settings->jpegDensityY = ui->spinBoxJPEGDPI->value();
    settings->jpegColorspace = ui->comboBoxJPEGColorspaceType->currentIndex();
    settings->jpegCompression = ui->comboBoxJPEGCompressionType->currentIndex();
    settings->jpegQuality = ui->spinBoxJPEGQuality->value();

    settings->gifType = ui->comboBoxGIFImageType->currentIndex();
    settings->gifInterlace = ui->checkBoxGIFInterlace->isChecked();
    settings->gifDither = ui->checkBoxGIFQuantizeDither->isChecked();
    settings->gifQuantizeColorspace = ui->comboBoxGIFQuantizeColorspace->currentIndex();
    settings->gifQuantizeColors = ui->spinBoxGIFQuantizeColors->value();
    settings->gifQuantizeTreeDepth = ui->spinBoxGIFQuantizeTreeDepth->value();

    settings->pngType = ui->comboBoxPNGImageType->currentIndex();
    settings->pngLevel = ui->spinBoxPNGLevel->value();
    settings->pngFilter = ui->comboBoxPNGFilter->currentIndex();
    settings->pngColorspace = ui->comboBoxPNGColorspace->currentIndex();
    settings->pngInterlace = ui->checkBoxPNGInterlace->isChecked();

    settings->resizeEnabled = ui->checkBoxResizeEnabled->isChecked();
    settings->resizeProportion = ui->spinBoxResizeProportion->value();
    settings->resizeWidth = ui->spinBoxResizeWidth->value();
    settings->resizeHeight = ui->spinBoxResizeHeight->value();
    settings->resizeExact = ui->radioButtonResizeExact->isChecked();
    settings->resizeBaseWidth = ui->radioButtonResizeWidth->isChecked();
    settings->resizeOperator = ui->comboBoxResizeOperator->currentIndex();
    settings->resizeFilter = ui->comboBoxResizeFilterType->currentIndex();

    QStringList files;
    for (int row = 0; row < ui->listWidget->count(); ++row)
        files.append(filePath(ui->listWidget->item(row)));

    errorLabel->clear();
    errorLabel->setToolTip(QString());
    engine.start(files, std::move(settings));
    setRunLocked(true);
    ui->progressBar->setMaximum(ui->listWidget->count());
    qDebug("test listWidget current thread: %p", static_cast<void *>(QThread::currentThreadId()));
}

void GraphicConverter::stop()
{
    engine.requestStop();
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
    delete ui->listWidget->currentItem();
    updateItemCount();
}

void GraphicConverter::clearList()
{
    ui->listWidget->clear();
    updateItemCount();
}

void GraphicConverter::about()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void GraphicConverter::done()
{
    setRunLocked(false);
    ui->progressBar->setValue(0);
    ui->listWidget->setCurrentRow(0);
}

void GraphicConverter::doneItem(int index)
{
    ui->listWidget->setCurrentRow(index);
    ui->progressBar->setValue(ui->progressBar->value() + 1);
}

void GraphicConverter::showImageInfo(QListWidgetItem *item)
{
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
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(filePath(item)).canonicalPath()));
}

void GraphicConverter::selectBackgroundColor()
{
    const QColor color = QColorDialog::getColor(Qt::green, this, tr("Select Color"));
    if (!color.isValid())
        return;
    ui->labelBackgroundColor->setText(color.name());
    ui->labelBackgroundColor->setPalette(QPalette(color));
}

void GraphicConverter::showListMenu(QPoint pos)
{
    if (!ui->listWidget->currentItem())
        return;
    listMenu.exec(ui->listWidget->mapToGlobal(pos));
    qDebug() << "show list menu" << pos.x() << pos.y();
}

void GraphicConverter::resetGlobalOptions()
{
    ui->checkBoxOverwrite->setChecked(false);
    ui->checkBoxStrip->setChecked(true);
    ui->checkBoxTransparent->setChecked(false);
    const QColor white(QColor(Qt::white).name());
    ui->labelBackgroundColor->setPalette(QPalette(white));
    ui->labelBackgroundColor->setText(white.name());
}

void GraphicConverter::resetJPEGOptions()
{
    ui->spinBoxJPEGQuality->setValue(75);
    ui->spinBoxJPEGDPI->setValue(72);
    ui->checkBoxJPEGProgressive->setChecked(true);
    ui->checkBoxJPEGHuffman->setChecked(true);
    ui->comboBoxJPEGImageType->setCurrentIndex(0);
    ui->comboBoxJPEGColorspaceType->setCurrentIndex(0);
    ui->comboBoxJPEGCompressionType->setCurrentIndex(0);
}

void GraphicConverter::resetGIFOptions()
{
    ui->comboBoxGIFImageType->setCurrentIndex(0);
    ui->checkBoxGIFInterlace->setChecked(false);
    ui->checkBoxGIFQuantizeDither->setChecked(false);
    ui->comboBoxGIFQuantizeColorspace->setCurrentIndex(0);
    ui->spinBoxGIFQuantizeColors->setValue(256);
    ui->spinBoxGIFQuantizeTreeDepth->setValue(0);
}

void GraphicConverter::resetPNGOptions()
{
    ui->comboBoxPNGImageType->setCurrentIndex(0);
    ui->comboBoxPNGColorspace->setCurrentIndex(0);
    ui->checkBoxPNGInterlace->setChecked(false);
    ui->spinBoxPNGLevel->setValue(7);
    ui->comboBoxPNGFilter->setCurrentIndex(5);
}

void GraphicConverter::resetResizeOptions()
{
    ui->checkBoxResizeEnabled->setChecked(false);
    ui->spinBoxResizeProportion->setValue(0);
    ui->spinBoxResizeWidth->setValue(640);
    ui->spinBoxResizeHeight->setValue(480);
    ui->radioButtonResizeExact->setChecked(true);
    ui->radioButtonResizeWidth->setChecked(false);
    ui->comboBoxResizeOperator->setCurrentIndex(0);
    ui->comboBoxResizeFilterType->setCurrentIndex(12);
}

void GraphicConverter::updateItemCount()
{
    const int count = ui->listWidget->count();
    ui->itemCountLabel->setText(QStringLiteral("%1 %2").arg(count).arg(
        count < 2 ? QStringLiteral("item") : QStringLiteral("items")));
}

void GraphicConverter::appendFile(const QString &path)
{
    ui->listWidget->addItem(new QListWidgetItem(
        QIcon(QStringLiteral(":/images/image")), QDir::toNativeSeparators(path)));
}

void GraphicConverter::setRunLocked(bool locked)
{
    const bool enabled = !locked;
    ui->pushButtonAdd->setEnabled(enabled);
    ui->actionAdd->setEnabled(enabled);
    ui->pushButtonConvert->setEnabled(enabled);
    ui->pushButtonDelete->setEnabled(enabled);
    ui->actionDelete->setEnabled(enabled);
    ui->pushButtonClear->setEnabled(enabled);
    ui->actionClear->setEnabled(enabled);
    ui->pushButtonExit->setEnabled(enabled);
    ui->actionExit->setEnabled(enabled);
    ui->listWidget->setEnabled(enabled);
}

void GraphicConverter::showError(int index, const QString &message)
{
    const QListWidgetItem *item = ui->listWidget->item(index);
    QString text = message;
    if (item && message.startsWith(item->text()))
        text = tr("Could not convert %1").arg(message);
    else if (item)
        text = tr("Could not convert %1: %2").arg(item->text(), message);
    errorLabel->setText(text);
    errorLabel->setToolTip(text);
}

// Every option kept in "tarvo.ini" that maps one key to one widget, group by group in the
// file's order. The output path and the background colour need more than that and are
// handled beside the table.
QVector<GraphicConverter::SettingsKey> GraphicConverter::settingsKeys() const
{
    return {
        { "Options", "original", ui->checkBoxOriginal, false },
        { "Options", "quality", ui->spinBoxQuality, 75 },
        { "Options", "format", ui->comboBoxFormat, 0 },
        { "Global", "overwrite", ui->checkBoxOverwrite, false },
        { "Global", "strip", ui->checkBoxStrip, true },
        { "Global", "transparent", ui->checkBoxTransparent, false },
        { "JPEG", "quality", ui->spinBoxJPEGQuality, 75 },
        { "JPEG", "dpi", ui->spinBoxJPEGDPI, 72 },
        { "JPEG", "progressive", ui->checkBoxJPEGProgressive, true },
        { "JPEG", "huffman", ui->checkBoxJPEGHuffman, true },
        { "JPEG", "type", ui->comboBoxJPEGImageType, 0 },
        { "JPEG", "colorspace", ui->comboBoxJPEGColorspaceType, 0 },
        { "JPEG", "compression", ui->comboBoxJPEGCompressionType, 0 },
        { "GIF", "type", ui->comboBoxGIFImageType, 0 },
        { "GIF", "interlace", ui->checkBoxGIFInterlace, false },
        { "GIF", "dither", ui->checkBoxGIFQuantizeDither, false },
        { "GIF", "quantizecolorspace", ui->comboBoxGIFQuantizeColorspace, 0 },
        { "GIF", "quantizecolors", ui->spinBoxGIFQuantizeColors, 256 },
        { "GIF", "quantizetreedepth", ui->spinBoxGIFQuantizeTreeDepth, 0 },
        { "PNG", "type", ui->comboBoxPNGImageType, 0 },
        { "PNG", "colorspace", ui->comboBoxPNGColorspace, 0 },
        { "PNG", "interlace", ui->checkBoxPNGInterlace, false },
        { "PNG", "level", ui->spinBoxPNGLevel, 7 },
        { "PNG", "filter", ui->comboBoxPNGFilter, 5 },
        { "Resize", "enabled", ui->checkBoxResizeEnabled, false },
        { "Resize", "proportion", ui->spinBoxResizeProportion, 0 },
        { "Resize", "width", ui->spinBoxResizeWidth, 640 },
        { "Resize", "height", ui->spinBoxResizeHeight, 480 },
        { "Resize", "exact", ui->radioButtonResizeExact, false },
        { "Resize", "base_width", ui->radioButtonResizeWidth, false },
        { "Resize", "operator", ui->comboBoxResizeOperator, 0 },
        { "Resize", "filter", ui->comboBoxResizeFilterType, 12 },
    };
}

namespace {

// Values go through each widget's own setter, so the couplings react as for a user's change
// and out-of-range numbers are clamped by the widget.
void setWidgetValue(QWidget *widget, const QVariant &value)
{
    if (auto button = qobject_cast<QAbstractButton *>(widget))
        button->setChecked(value.toBool());
    else if (auto spinBox = qobject_cast<QSpinBox *>(widget))
        spinBox->setValue(value.toInt());
    else if (auto comboBox = qobject_cast<QComboBox *>(widget))
        comboBox->setCurrentIndex(value.toInt());
}

QVariant widgetValue(const QWidget *widget)
{
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return button->isChecked();
    if (auto spinBox = qobject_cast<const QSpinBox *>(widget))
        return spinBox->value();
    if (auto comboBox = qobject_cast<const QComboBox *>(widget))
        return comboBox->currentIndex();
    return QVariant();
}

} // namespace

void GraphicConverter::loadSettings()
{
    // A file far larger than any the window writes is damaged; reading it whole could take
    // the program down. It is left unread, and moved aside when the settings are saved.
    const QString file = QStringLiteral("tarvo.ini");
    QSettings settings(SettingsFile::isReadable(file) ? file : QString(), QSettings::IniFormat);

    // An invalid (missing) size is raised to the window's minimum.
    resize(settings.value(QStringLiteral("MainWindow/size")).toSize());

    const QString path
        = settings.value(QStringLiteral("Options/path"), QDir::currentPath()).toString();
    ui->lineEditPath->setText(QDir(path).exists() ? path : QDir::currentPath());

    for (const SettingsKey &entry : settingsKeys()) {
        setWidgetValue(entry.widget,
            settings.value(QLatin1String(entry.group) + QLatin1Char('/') + QLatin1String(entry.key),
                entry.fallback));
        if (entry.widget == ui->checkBoxTransparent) {
            const QColor color(
                settings.value(QStringLiteral("Global/backgroundcolor"), QColor(Qt::white).name())
                    .toString());
            ui->labelBackgroundColor->setPalette(QPalette(color));
            ui->labelBackgroundColor->setText(color.name());
        }
    }
}

void GraphicConverter::saveSettings()
{
    // The settings store reads the old file back before writing; a damaged one is kept aside.
    if (!SettingsFile::isReadable(QStringLiteral("tarvo.ini"))) {
        QFile::remove(QStringLiteral("tarvo.ini.damaged"));
        QFile::rename(QStringLiteral("tarvo.ini"), QStringLiteral("tarvo.ini.damaged"));
    }
    QSettings settings(QStringLiteral("tarvo.ini"), QSettings::IniFormat);

    // A maximised window keeps the size and place it had before.
    if (!isMaximized()) {
        settings.setValue(QStringLiteral("MainWindow/size"), size());
        settings.setValue(QStringLiteral("MainWindow/pos"), pos());
    }
    settings.setValue(QStringLiteral("Options/path"), ui->lineEditPath->text());

    for (const SettingsKey &entry : settingsKeys()) {
        settings.setValue(QLatin1String(entry.group) + QLatin1Char('/') + QLatin1String(entry.key),
            widgetValue(entry.widget));
        if (entry.widget == ui->checkBoxTransparent) {
            settings.setValue(QStringLiteral("Global/backgroundcolor"),
                ui->labelBackgroundColor->palette().color(QPalette::Window).name());
        }
    }
}
