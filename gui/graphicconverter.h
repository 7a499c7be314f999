#ifndef GRAPHICCONVERTER_H
#define GRAPHICCONVERTER_H

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QVector>

#include "conversionsettings.h"
#include "imageconvertengine.h"
#include "runreport.h"

class OptionForm;
class OutputPreview;
struct OutputFormat;
class QLabel;
class QListWidgetItem;
class RunReportDialog;
class QSpinBox;

namespace Ui {
class GraphicConverter;
}

// The application's main window. Lives in the GUI thread; owns its widget holder, the
// conversion engine that runs batches on a worker thread, and the file list's context menu.
// Option values live only in the widgets.
class GraphicConverter : public QMainWindow
{
    Q_OBJECT

public:
    explicit GraphicConverter(QWidget *parent = nullptr);
    ~GraphicConverter() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Adds files as given and folders' images as Import Folder takes them (sub-folders too
    // when recursive); relative paths are taken from the current folder. A file already in
    // the list is not added again, whatever name leads to it.
    void addPaths(const QStringList &paths, bool recursive = false);

    // The options as the widgets show them, as convert() hands them to the engine.
    ConversionSettings currentSettings() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void addItems();
    void importFolder();
    void importFolderRecursive();
    void convert();
    void stop();
    void getSavePath();
    void deleteItem();
    void clearList();
    void about();
    void done();
    void doneItem(int index);
    void fileFinished(int index, const ImagePipeline::FileResult &result);
    void showImageInfo(QListWidgetItem *item);
    void openDirectory();
    void openFileDirectory();
    void selectBackgroundColor();
    void showListMenu(QPoint pos);
    void showFormatQuality(int index);
    void setFormatQuality(int value);
    void followFormatQuality();
    void updateResizeStates();
    // The lines that say what the selected (or first) file becomes.
    void updatePreview();
    void savePreset();
    void fillPresetMenu();

private:
    // root: the folder an import found the file in, empty for a file added by name.
    void appendFile(const QString &path, const QString &root = QString());
    static constexpr int importRootRole = Qt::UserRole + 1;
    void chooseFolderToImport(bool recursive);
    bool handleDrop(QEvent *event);
    QSet<QString> listedFiles() const;
    void setRunLocked(bool locked);
    void showError(int index, const ImagePipeline::FileResult &result);
    void setUpStatusBar();
    void connectSignals();
    void showOutcome(int index);
    void showRunReport();
    void fitPageList();
    // "Stopping… (2 files finishing)" in the status bar.
    void showStopping();
    // Where the last run's outputs went: its output folder, or the first output's.
    QString outputFolderOfRun() const;
    void updateItemCount();
    void loadSettings();
    void saveSettings();
    void createPdfQuality();
    // nullptr for a format without a quality of its own or the general one.
    QSpinBox *formatQualitySource(const OutputFormat *format) const;
    QSpinBox *currentQualitySource() const;

    Ui::GraphicConverter *ui;
    OptionForm *form = nullptr; // child of the window
    OutputPreview *outputPreview = nullptr; // child of the window
    ImageConvertEngine engine;
    QMenu listMenu;
    QLabel *errorLabel = nullptr; // child of the status bar
    // What the last run did: kept after it ends, beside the status tips, until the next.
    QLabel *summaryLabel = nullptr; // child of the status bar
    QLabel *openFolderLabel = nullptr; // child of the status bar, a link
    RunReport report;
    QElapsedTimer runClock;
    int runJobs = 1; // files the run converts at once
    int stopping = 0; // after Stop: files still finishing
    QString runOutputFolder; // empty when the outputs go beside their inputs
    QPointer<RunReportDialog> reportDialog; // child of the window, made on the first problem
    // Never shown: holds the general quality while the main control shows the JPEG page's.
    QSpinBox *pdfQuality = nullptr;
    QString addPath; // where the Add and Import dialogs start
};

#endif // GRAPHICCONVERTER_H
