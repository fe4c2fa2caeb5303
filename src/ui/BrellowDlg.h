#pragma once

#include "batch/JobOptions.h"
#include "batch/JobWindow.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <cstdint>
#include <string>

class QCloseEvent;
class QDropEvent;

// The program's only window. Runs the batch job on the GUI thread; the job
// keeps it alive through the message pump, so the handlers below can run
// nested inside a job.
class CBrellowDlg : public QDialog, public CJobWindow {
    Q_OBJECT

public:
    explicit CBrellowDlg(QWidget* parent = nullptr);
    ~CBrellowDlg() override;

    // The application icon at every size of its set, from the program's resources.
    static QIcon LoadIcon();

    // Save (true): edits to members. Load (false): members to edits, then the
    // enabling rule. Never re-entered; edit notifications are ignored meanwhile.
    bool UpdateData(bool bSaveAndValidate = true);

    // CJobWindow
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void SetProgressRange(std::uint16_t maximum) override;
    void SetProgressPos(int position) override;
    void SetStatusWindowText(const std::string& text) override;
    void OnJobBegin() override;
    void OnJobEnd() override;

    // Escape during a job asks like the close box instead of ending the dialog.
    void reject() override;
    // Every end of the dialog saves both paths.
    void done(int result) override;

    // Template geometry: dialog units to pixels from the dialog font's metrics.
    QRect MapDialogRect(const QRect& units) const;

    void OnRun();
    void OnStop();
    void OnOK();
    void OnPathChanged();
    void OnBrowseSource();
    void OnBrowseForFile();
    void OnBrowseForFolder();
    void OnBrowseDestination();
    void OnOpenContainingFolder();
    void OnOptions();
    void OnListen();

protected:
    virtual void DoDataExchange(bool bSaveAndValidate);
    void closeEvent(QCloseEvent* event) override;
    // Keys while a job runs, and files dropped on the edits or the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    // Widens the controls whose (translated) text is longer than their box.
    void FitToTexts();
    // One local file or folder dropped on edit: its path, as if typed there.
    void OnDrop(QDropEvent& event, QLineEdit& edit);
    void OnDestroy();
    // The close box, Alt+F4 or Escape while a job runs: at most a stop request.
    void AskToStop();
    // Whether FFmpeg's module is there for options that need it; otherwise says why.
    bool MediaLibraryLoaded(const JobOptions& options);
    void ShowMediaLibraryError(const std::string& reason);
    // For a source the exact reader refuses: the line that says how to read it, or "".
    std::string AnyFormatHint(const JobOptions& options) const;

    QIcon m_hIcon;
    // The template's controls, in tab order.
    QLabel m_stSource;
    QLineEdit m_editSrc;
    QPushButton m_btnBrowseSrc;
    QLabel m_stDestination;
    QLineEdit m_editDst;
    QPushButton m_btnBrowseDst;
    QPushButton m_btnOpenFolder;
    QLabel m_stStatus;
    QProgressBar m_progress;
    QPushButton m_btnRun;
    QPushButton m_btnStop;
    QPushButton m_btnClose;
    // Beyond the template: what the terminal's options do, last in the tab order.
    QPushButton m_btnOptions;
    QPushButton m_btnListen;
    // The subtitles the next run takes its phrases from, set by the practice window.
    std::string m_strPhrasesFrom;

    bool m_bInExchange = false;
};
