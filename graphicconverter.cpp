#include "graphicconverter.h"

#include <QCloseEvent>
#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QListWidgetItem>

#include "appshell.h"
#include "ui_graphicconverter.h"

GraphicConverter::GraphicConverter(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::GraphicConverter)
{
    ui->setupUi(this);

    listMenu.addAction(QIcon(QStringLiteral(":/images/explore")), tr("&Open Directory"), this,
                       SLOT(openFileDirectory()), QKeySequence());
    ui->lineEditPath->installEventFilter(this);

    setWindowTitle(tr("Tarvo Image Converter") + tr(" v0.1.3"));

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
}

void GraphicConverter::importFolder()
{
}

void GraphicConverter::convert()
{
}

void GraphicConverter::stop()
{
}

void GraphicConverter::getSavePath()
{
}

void GraphicConverter::deleteItem()
{
}

void GraphicConverter::clearList()
{
}

void GraphicConverter::about()
{
}

void GraphicConverter::done()
{
}

void GraphicConverter::doneItem(int index)
{
    Q_UNUSED(index)
}

void GraphicConverter::showImageInfo(QListWidgetItem *item)
{
    Q_UNUSED(item)
}

void GraphicConverter::openDirectory()
{
}

void GraphicConverter::openFileDirectory()
{
}

void GraphicConverter::selectBackgroundColor()
{
}

void GraphicConverter::showListMenu(QPoint pos)
{
    Q_UNUSED(pos)
}

void GraphicConverter::resetGlobalOptions()
{
}

void GraphicConverter::resetJPEGOptions()
{
}

void GraphicConverter::resetGIFOptions()
{
}

void GraphicConverter::resetPNGOptions()
{
}

void GraphicConverter::resetResizeOptions()
{
}

void GraphicConverter::updateItemCount()
{
    const int count = ui->listWidget->count();
    ui->itemCountLabel->setText(QStringLiteral("%1 %2").arg(count).arg(
        count < 2 ? QStringLiteral("item") : QStringLiteral("items")));
}

void GraphicConverter::loadSettings()
{
}

void GraphicConverter::saveSettings()
{
}
