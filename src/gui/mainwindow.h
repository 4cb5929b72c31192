#pragma once

// The application's only window, a view of the record and of the link: it builds the parts (the link, the
// record session and its reader, the form editor, the commands, the language switch), shows the record as it
// changes, enables what may be done, and keeps its place between sessions. Its commands and primitives keep
// their historical names in MainWindowBase.

#include "apppaths.h"
#include "linktiming.h"
#include "mainwindowbase.h"
#include "portcatalog.h"
#include "ratioevaluation.h"
#include "reporttexts.h"

#include <QLabel>
#include <QPixmap>
#include <array>
#include <qwt_plot_curve.h>

class Configuration;
class FormEditor;
class ParameterOperations;
class RecentDocuments;
class RecordOperations;
class ReportRenderer;

namespace Ui
{
class MainWindow;
} // namespace Ui

class MainWindow : public MainWindowBase
{
    Q_OBJECT

public:
    // Application directory and the machine's serial ports.
    explicit MainWindow(QWidget *parent = nullptr);
    // appDir holds config.xml, Data/, Maj/, Doc/; ports is what the automatic search may try.
    MainWindow(const QString &appDir, PortCatalog ports, QWidget *parent = nullptr);
    MainWindow(const AppPaths &paths, PortCatalog ports, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Window title with or without a document name.
    void setWindowTitleFile(const QString &fileName);
    void setPrintEnabled(bool enabled);
    void setCurveTitles();
    void updateConnectionStatus();
    // The instrument's commands while it is connected and no exchange waits; the record's while it is whole.
    void updateConnectionActions();
    void createLanguageMenu();
    void retranslateUi();
    void reloadFormLists();

    const QwtPlotCurve &curve(int index) const;
    // The measured ratios against the rated ratio of the form's voltages, with the configured tolerance.
    RatioEvaluation evaluation() const;
    // The words of a report in the interface's language.
    ReportTexts reportTexts() const;
    // On-screen labels of the fields a save needs and that are empty, in the current language.
    QStringList emptyRequiredFields() const;
    QString currentPath() const { return m_paths.data; }
    // The last documents opened or saved, newest first.
    QStringList recentDocuments() const;
    // How long the link waits and how often it looks (tests shorten it).
    void setLinkTiming(const LinkTiming &timing) { link().setTiming(timing); }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildParts(PortCatalog ports);
    void showRecord();
    void showVerdict(int index);
    void showRatios();
    void onBusyChanged(bool busy);
    // The deviation fields beside the ratios, brought up to date with the form and the ratios.
    void setupEvaluation();
    void showEvaluation();
    // The form's texts, then what the form does not hold: title, test names shown from their start.
    void retranslateForm();
    // The site code's caption from config.xml, in French, unless it names the comment box's.
    void showSiteCodeCaption();
    // Window sizes and places from the last session, per user.
    void restoreSession();
    void saveSession() const;

    Ui::MainWindow *ui = nullptr;
    AppPaths m_paths;
    FormEditor *m_form = nullptr;
    Configuration *m_config = nullptr;
    RecentDocuments *m_recent = nullptr;
    ReportRenderer *m_renderer = nullptr;
    RecordOperations *m_recordOps = nullptr;
    ParameterOperations *m_parameterOps = nullptr;
    QLabel m_recordNote;                // the record shown is incomplete
    QLabel *m_evaluationNote = nullptr; // the rated ratio and the tolerance, or why nothing is judged
    std::array<QLabel *, Qvx2::RatioShown> m_deviations{};
    std::array<QLabel *, Qvx2::TestCount> m_testIcons{};
    // Loaded once: a QPixmap built from a file name goes back to the file (and its cache) every time.
    const QPixmap m_imgNoVerdict{QLatin1String(Qvx2::ImgNoVerdict)};
    const QPixmap m_imgPassed{QLatin1String(Qvx2::ImgPassed)};
    const QPixmap m_imgFailed{QLatin1String(Qvx2::ImgFailed)};
    QString m_titleFile; // document name shown in the title
};
