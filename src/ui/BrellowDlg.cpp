#include "ui/BrellowDlg.h"

#include "BrellowVersion.h"
#include "audio/SampleBuffer.h"
#include "audio/WAVException.h"
#include "batch/BatchRun.h"
#include "batch/SkippingConverter.h"
#include "job/JobAssembly.h"
#include "media/MediaLibrary.h"
#include "ui/DirDialog.h"
#include "ui/OptionsDlg.h"
#include "ui/PracticeWnd.h"
#include "ui/Settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStringDecoder>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSysInfo>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// Template size and control rectangles, in dialog units.
constexpr int DialogWidth = 320;
constexpr int DialogHeight = 161;

constexpr const char* PathSrcEntry = "Path Src";
constexpr const char* PathDstEntry = "Path Dst";

int MulDiv(int number, int numerator, int denominator) {
    return (number * numerator + denominator / 2) / denominator;
}

QString FromUtf8(const std::string& text) {
    // A path may begin with U+FEFF: it is no byte order mark to drop here.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(text);
}

// The width that shows the whole text of a label or a push button; a button
// keeps some air around its text, as the template's buttons have.
int TextWidth(const QWidget& control) {
    const auto* button = qobject_cast<const QPushButton*>(&control);
    if (!button)
        return control.sizeHint().width();
    QStyleOptionButton option;
    option.initFrom(button);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width() +
           button->fontMetrics().averageCharWidth();
}

// The local path of the one file or folder a drag carries; empty for several
// items, a URL of another machine or anything else.
QString DroppedPath(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    QUrl url = urls.constFirst();
    const QString host = url.host();
    if (!host.isEmpty() && host != QLatin1String("localhost") &&
        host != QSysInfo::machineHostName())
        return {};
    // This machine's own name: Qt would keep it, as for a share on another one.
    url.setHost(QString());
    return url.toLocalFile();
}

// What a job lets through of the keyboard: Escape, which asks whether to
// stop, and Space on a button, the button's own key. Everything else would
// type, move the focus, or press the default button behind the user's back.
bool PassesDuringJob(const QObject& target, const QEvent& event) {
    if (event.type() != QEvent::KeyPress)
        return false; // a mnemonic's shortcut or an input method's text
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Escape ||
           (key == Qt::Key_Space && qobject_cast<const QAbstractButton*>(&target));
}

// Whether FFmpeg's libraries are there and read the recording at path: it
// opens, and its first samples decode.
bool MediaLibraryReads(const std::string& path) {
    std::string reason;
    if (!MediaLibrary::Load(reason))
        return false;
    CFileOpener files;
    std::unique_ptr<CByteStream> stream = files.Open(path, false);
    try {
        const std::unique_ptr<CSampleSource> samples =
            stream ? MediaLibrary::OpenSource(std::move(stream), path) : nullptr;
        SampleBuffer first;
        return samples && samples->ReadSamples(first) && samples->FailureReason().empty();
    } catch (const CWAVException&) {
        return false;
    }
}

} // namespace

CBrellowDlg::CBrellowDlg(QWidget* parent)
    : QDialog(parent), m_stSource(tr("Source:"), this), m_editSrc(this),
      m_btnBrowseSrc(QStringLiteral("..."), this), m_stDestination(tr("Destination Folder:"), this),
      m_editDst(this), m_btnBrowseDst(QStringLiteral("..."), this),
      m_btnOpenFolder(tr("&Open containing folder"), this),
      m_stStatus(QStringLiteral("Static"), this), m_progress(this), m_btnRun(tr("&Run"), this),
      m_btnStop(tr("&Stop"), this), m_btnClose(tr("&Close"), this),
      m_btnOptions(tr("O&ptions..."), this), m_btnListen(tr("&Listen..."), this) {
    setObjectName(QStringLiteral("IDD_MAIN_DIALOG"));
    // The files of a folder are converted side by side, one per core, as the terminal's default.
    m_nJobs = DefaultJobs();
    setWindowTitle(QStringLiteral(BRELLOW_PRODUCT)); // "Brellow"
    // A caption and a close box; no minimise, maximise or sizing border.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    m_hIcon = LoadIcon();
    setWindowIcon(m_hIcon);

    m_editSrc.setObjectName(QStringLiteral("IDC_SRC_PATH"));
    m_btnBrowseSrc.setObjectName(QStringLiteral("IDC_SRC_BROWSE"));
    m_editDst.setObjectName(QStringLiteral("IDC_DST_PATH"));
    m_btnBrowseDst.setObjectName(QStringLiteral("IDC_DST_BROWSE"));
    m_btnOpenFolder.setObjectName(QStringLiteral("IDC_OPEN_FOLDER"));
    m_stStatus.setObjectName(QStringLiteral("IDC_STATUS"));
    m_progress.setObjectName(QStringLiteral("IDC_PROGRESS"));
    m_btnRun.setObjectName(QStringLiteral("IDC_RUN"));
    m_btnStop.setObjectName(QStringLiteral("IDC_STOP"));
    m_btnClose.setObjectName(QStringLiteral("IDOK"));
    m_btnOptions.setObjectName(QStringLiteral("IDC_OPTIONS"));
    m_btnOptions.setToolTip(tr("Other recording formats, pauses, passes and practice files: "
                               "what brellow-cli's options do."));
    m_btnListen.setObjectName(QStringLiteral("IDC_LISTEN"));
    m_btnListen.setToolTip(tr("Plays the source's phrases one by one, to fix their marks and "
                              "record yourself."));

    struct Placement {
        QWidget* control;
        QRect units;
    };
    const Placement placements[] = {
        {&m_stSource, {7, 23, 26, 8}},        {&m_editSrc, {7, 33, 290, 14}},
        {&m_btnBrowseSrc, {300, 33, 13, 14}}, {&m_stDestination, {7, 62, 62, 8}},
        {&m_editDst, {7, 75, 290, 14}},       {&m_btnBrowseDst, {300, 75, 13, 14}},
        {&m_btnOpenFolder, {8, 98, 92, 14}},  {&m_stStatus, {7, 130, 83, 8}},
        {&m_progress, {7, 140, 306, 14}},     {&m_btnRun, {263, 98, 50, 14}},
        {&m_btnStop, {263, 117, 50, 14}},     {&m_btnClose, {263, 7, 50, 14}},
        {&m_btnOptions, {207, 98, 50, 14}},   {&m_btnListen, {151, 98, 50, 14}},
    };
    for (const auto& placement : placements)
        placement.control->setGeometry(MapDialogRect(placement.units));
    setFixedSize(MapDialogRect(QRect(0, 0, DialogWidth, DialogHeight)).size());

    for (QLabel* label : {&m_stSource, &m_stDestination, &m_stStatus}) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    FitToTexts();

    // Windows' smooth bar: no percentage text.
    m_progress.setTextVisible(false);
    m_progress.setRange(0, 100);
    m_progress.setValue(0);

    m_btnClose.setDefault(true);
    setTabOrder(&m_editSrc, &m_btnBrowseSrc);
    setTabOrder(&m_btnBrowseSrc, &m_editDst);
    setTabOrder(&m_editDst, &m_btnBrowseDst);
    setTabOrder(&m_btnBrowseDst, &m_btnOpenFolder);
    setTabOrder(&m_btnOpenFolder, &m_btnRun);
    setTabOrder(&m_btnRun, &m_btnStop);
    setTabOrder(&m_btnStop, &m_btnClose);
    setTabOrder(&m_btnClose, &m_btnOptions);
    setTabOrder(&m_btnOptions, &m_btnListen);

    connect(&m_btnRun, &QPushButton::clicked, this, &CBrellowDlg::OnRun);
    connect(&m_editSrc, &QLineEdit::textChanged, this, &CBrellowDlg::OnPathChanged);
    connect(&m_editDst, &QLineEdit::textChanged, this, &CBrellowDlg::OnPathChanged);
    connect(&m_btnStop, &QPushButton::clicked, this, &CBrellowDlg::OnStop);
    connect(&m_btnBrowseSrc, &QPushButton::clicked, this, &CBrellowDlg::OnBrowseSource);
    connect(&m_btnBrowseDst, &QPushButton::clicked, this, &CBrellowDlg::OnBrowseDestination);
    connect(&m_btnOpenFolder, &QPushButton::clicked, this, &CBrellowDlg::OnOpenContainingFolder);
    connect(&m_btnClose, &QPushButton::clicked, this, &CBrellowDlg::OnOK);
    connect(&m_btnOptions, &QPushButton::clicked, this, &CBrellowDlg::OnOptions);
    connect(&m_btnListen, &QPushButton::clicked, this, &CBrellowDlg::OnListen);

    setAcceptDrops(true);
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->installEventFilter(this);

    OnInitDialog();
}

CBrellowDlg::~CBrellowDlg() = default;

QIcon CBrellowDlg::LoadIcon() {
    QIcon icon;
    for (const int size : {256, 128, 64, 48, 32, 24, 16})
        icon.addFile(QStringLiteral(":/icons/brellow-%1.png").arg(size), QSize(size, size));
    return icon;
}

QRect CBrellowDlg::MapDialogRect(const QRect& units) const {
    // Windows' dialog base units: the average width of the 52 letters, rounded,
    // and the font's height; a unit is a quarter and an eighth of them.
    const QFontMetrics metrics(font());
    const int baseX = (metrics.horizontalAdvance(
                           QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
                       26) /
                      52;
    const int baseY = metrics.height();
    return {MulDiv(units.x(), baseX, 4), MulDiv(units.y(), baseY, 8),
            MulDiv(units.width(), baseX, 4), MulDiv(units.height(), baseY, 8)};
}

void CBrellowDlg::FitToTexts() {
    // Fonts here run wider than the template's, and translations longer than
    // its captions: a control grows away from the dialog's edge that it stands
    // at, instead of losing the end of its text.
    for (QWidget* control : std::initializer_list<QWidget*>{&m_stSource, &m_stDestination,
                                                            &m_stStatus, &m_btnOpenFolder})
        control->resize(std::max(control->width(), TextWidth(*control)), control->height());
    // Run, Stop and Close keep one width and their right edge.
    int width = 0;
    for (const QPushButton* button : {&m_btnRun, &m_btnStop, &m_btnClose})
        width = std::max({width, button->width(), TextWidth(*button)});
    for (QPushButton* button : {&m_btnRun, &m_btnStop, &m_btnClose})
        button->setGeometry(button->geometry().adjusted(button->width() - width, 0, 0, 0));
    // Options keeps its distance from Run, which may have grown towards it.
    const int gap = MapDialogRect(QRect(0, 0, 6, 0)).width();
    const int optionsWidth = std::max(m_btnOptions.width(), TextWidth(m_btnOptions));
    m_btnOptions.setGeometry(m_btnRun.x() - gap - optionsWidth, m_btnRun.y(), optionsWidth,
                             m_btnRun.height());
    const int listenWidth = std::max(m_btnListen.width(), TextWidth(m_btnListen));
    m_btnListen.setGeometry(m_btnOptions.x() - gap - listenWidth, m_btnRun.y(), listenWidth,
                            m_btnRun.height());
}

void CBrellowDlg::OnInitDialog() {
    UpdateData(false);
    m_stStatus.setText(QString());
    const CSettings settings;
    m_strSrc = settings.GetString(PathSrcEntry);
    m_strDst = settings.GetString(PathDstEntry);
    UpdateData(false);
    m_editSrc.setFocus();
}

bool CBrellowDlg::UpdateData(bool bSaveAndValidate) {
    if (m_bInExchange)
        return false;
    m_bInExchange = true;
    DoDataExchange(bSaveAndValidate);
    m_bInExchange = false;
    return true;
}

void CBrellowDlg::DoDataExchange(bool bSaveAndValidate) {
    if (bSaveAndValidate) {
        m_strSrc = m_editSrc.text().toStdString();
        m_strDst = m_editDst.text().toStdString();
        return;
    }
    // Only a different text is written, so the caret of an edit being typed
    // into stays where it is.
    for (auto [edit, value] :
         {std::pair{&m_editSrc, &m_strSrc}, std::pair{&m_editDst, &m_strDst}}) {
        const QString text = FromUtf8(*value);
        if (edit->text() != text)
            edit->setText(text);
    }
    // Whatever could start a second job, or end the dialog, waits for this one.
    for (QPushButton* button : {&m_btnRun, &m_btnClose, &m_btnBrowseSrc, &m_btnBrowseDst,
                                &m_btnOpenFolder, &m_btnOptions})
        button->setEnabled(!m_bBusy);
    // The practice window takes one lesson.
    std::error_code error;
    m_btnListen.setEnabled(!m_bBusy && !m_strSrc.empty() &&
                           std::filesystem::is_regular_file(m_strSrc, error));
}

int CBrellowDlg::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    QMessageBox box(this);
    box.setWindowTitle(FromUtf8(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(FromUtf8(text));
    switch (type & 0xF0u) {
    case MB_ICONERROR:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if ((type & 0x0Fu) == MB_YESNOCANCEL) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel); // the close box answers Cancel
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

void CBrellowDlg::SetProgressRange(std::uint16_t maximum) {
    // Qt turns an empty 0..0 range into a busy indicator; Windows shows an
    // empty bar, which 0..1 at position 0 looks like.
    m_progress.setRange(0, std::max<int>(maximum, 1));
}

void CBrellowDlg::SetProgressPos(int position) {
    // Windows clamps a position outside the range; Qt would ignore it.
    m_progress.setValue(std::clamp(position, m_progress.minimum(), m_progress.maximum()));
}

void CBrellowDlg::SetStatusWindowText(const std::string& text) {
    m_stStatus.setText(FromUtf8(text));
}

void CBrellowDlg::OnJobBegin() {
    UpdateData(true);
    m_bStop = false;
    m_bBusy = true;
    m_stStatus.setText(QString());
    UpdateData(false);
}

void CBrellowDlg::OnJobEnd() {
    m_bBusy = false;
    SetProgressPos(0);
    UpdateData(false);
}

void CBrellowDlg::OnRun() {
    // The options as the terminal would take them; none stored is the exact conversion.
    JobOptions options = JobOptionsFromStore(ReadStoredOptions());
    if (!m_strPhrasesFrom.empty()) {
        options.phrasesFromSrt = false;
        SetJobOption(options, Option(OptionId::PhrasesFrom).name, m_strPhrasesFrom);
    }
    UpdateData(true);
    // Told before the job starts, as the terminal tells it.
    const JobAssembly job = AssembleJob(options, m_strSrc);
    switch (job.refusal) {
    case JobAssembly::Refusal::MediaLibrary:
        ShowMediaLibraryError(job.reason);
        return;
    case JobAssembly::Refusal::Subtitles:
        ShowError(*this, job.reason);
        return;
    case JobAssembly::Refusal::None:
        break;
    }
    CFileOpener files;
    // The source as the job took it, trimmed.
    const auto hint = [this, &options] { return AnyFormatHint(options); };
    // Runs here, on the GUI thread; the conversion's pump keeps the window
    // alive. The files of a folder are converted on threads of their own.
    if (!options.keepGoing) {
        ::OnRun(*this, *job.converter, files, &job.sources, hint);
        return;
    }
    CSkippingConverter skipping(*job.converter);
    ::OnRun(*this, skipping, files, &job.sources, hint);
    if (skipping.Skipped().empty())
        return;
    QString text = tr("These recordings were skipped:");
    for (const SkippedSource& skipped : skipping.Skipped())
        text += QStringLiteral("\n'%1': %2")
                    .arg(FromUtf8(skipped.source.string()), FromUtf8(skipped.reason));
    ShowWarning(*this, text.toStdString(), tr("Skipped").toStdString().c_str());
}

std::string CBrellowDlg::AnyFormatHint(const JobOptions& options) const {
    // A recording the exact reader refuses may be one that FFmpeg reads: then say how.
    std::error_code error;
    if (options.anyFormat || !std::filesystem::is_regular_file(m_strSrc, error) ||
        !MediaLibraryReads(m_strSrc))
        return {};
    return tr("To convert it, turn on \"%1\" in Options.")
        .arg(COptionsDlg::AnyFormatName())
        .toStdString();
}

bool CBrellowDlg::MediaLibraryLoaded(const JobOptions& options) {
    if (std::string reason; NeedsMediaLibrary(options) && !MediaLibrary::Load(reason)) {
        ShowMediaLibraryError(reason);
        return false;
    }
    return true;
}

void CBrellowDlg::ShowMediaLibraryError(const std::string& reason) {
    ShowError(*this,
              tr("FFmpeg's libraries cannot be loaded: %1").arg(FromUtf8(reason)).toStdString());
}

void CBrellowDlg::OnListen() {
    UpdateData(true);
    const JobOptions options = JobOptionsFromStore(ReadStoredOptions());
    if (!MediaLibraryLoaded(options))
        return;
    Lesson lesson;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LessonFailure failure = ReadLesson(m_strSrc, options, lesson);
    QApplication::restoreOverrideCursor();
    if (!failure.reason.empty()) {
        const std::string hint = failure.formatRefused ? AnyFormatHint(options) : std::string();
        ShowError(*this, failure.reason + (hint.empty() ? "" : "\n" + hint));
        return;
    }
    const std::filesystem::path source = m_strSrc;
    const std::filesystem::path destination =
        m_strDst.empty() ? source.parent_path() : std::filesystem::path(m_strDst);
    CPracticeWnd window(std::move(lesson), source, destination, options, this);
    if (window.exec() != QDialog::Accepted || window.ConvertWith().empty())
        return;
    m_strPhrasesFrom = window.ConvertWith().string();
    OnRun();
    m_strPhrasesFrom.clear();
}

void CBrellowDlg::OnStop() {
    m_bStop = true;
}

void CBrellowDlg::OnOK() {
    UpdateData(true);
    accept();
}

void CBrellowDlg::OnPathChanged() {
    if (m_bInExchange)
        return;
    UpdateData(true);
    UpdateData(false);
}

void CBrellowDlg::AskToStop() {
    if (AskConfirmation(*this, tr("Are you sure you want to stop conversion?").toStdString(),
                        tr("Confirmation").toStdString().c_str()) == IDYES)
        m_bStop = true;
}

bool CBrellowDlg::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        auto& drop = static_cast<QDropEvent&>(*event);
        // Text dragged onto an edit goes in as the edit would have it.
        if (edit && !drop.mimeData()->hasUrls())
            return false;
        // The dialog itself, or a control that takes no drops: the source.
        OnDrop(drop, edit ? *edit : m_editSrc);
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
        // The job's pump lets events run, not the keyboard's dialog handling.
        if (m_bBusy && !PassesDuringJob(*watched, *event)) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CBrellowDlg::OnDrop(QDropEvent& event, QLineEdit& edit) {
    const QString path = DroppedPath(*event.mimeData());
    if (path.isEmpty()) {
        event.ignore();
        return;
    }
    event.acceptProposedAction();
    if (event.type() != QEvent::Drop)
        return;
    // Replaced as a user would, by typing over the whole text: the members
    // follow through OnPathChanged, undo works, and the path is stored when
    // a typed one would be.
    edit.selectAll();
    edit.insert(path);
}

void CBrellowDlg::closeEvent(QCloseEvent* event) {
    if (m_bBusy) {
        // Closing never ends a running job's window; it can only ask to stop.
        event->ignore();
        AskToStop();
        return;
    }
    QDialog::closeEvent(event);
}

void CBrellowDlg::reject() {
    if (m_bBusy) {
        AskToStop();
        return;
    }
    QDialog::reject();
}

void CBrellowDlg::done(int result) {
    OnDestroy();
    QDialog::done(result);
}

void CBrellowDlg::OnDestroy() {
    // The members as they stand: OnPathChanged keeps them current.
    CSettings settings;
    settings.WriteString(PathSrcEntry, m_strSrc);
    settings.WriteString(PathDstEntry, m_strDst);
}

void CBrellowDlg::OnBrowseSource() {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("IDR_BROWSE_MENU"));
    const QAction* browseForFile = menu.addAction(tr("Browse For File"));
    const QAction* browseForFolder = menu.addAction(tr("Browse For Folder"));
    // Next to the pointer, also when the button was pressed from the keyboard.
    const QAction* chosen = menu.exec(QCursor::pos() + QPoint(5, 5));
    if (chosen == browseForFile)
        OnBrowseForFile();
    else if (chosen == browseForFolder)
        OnBrowseForFolder();
}

void CBrellowDlg::OnBrowseForFile() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("BrowseForFile"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (UseNonNativeDialogs())
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Every file, unless the options read every recording format: then those first.
    const JobOptions options = JobOptionsFromStore(ReadStoredOptions());
    if (options.anyFormat)
        dialog.setNameFilters(
            {tr("Recordings (%1)")
                 .arg(QString::fromStdString(MakeJobConverter(options)->FolderPattern())
                          .replace(QLatin1Char(';'), QLatin1Char(' '))),
             tr("All files (*)")});
    // Where the source edit points: its folder, or the folder its file is in.
    if (!m_strSrc.empty()) {
        const QFileInfo source(FromUtf8(m_strSrc));
        const QString folder = source.isDir() ? source.absoluteFilePath() : source.absolutePath();
        if (QFileInfo(folder).isDir())
            dialog.setDirectory(folder);
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return;
    m_strSrc = chosen.constFirst().toStdString();
    UpdateData(false);
    CSettings().WriteString(PathSrcEntry, m_strSrc);
}

void CBrellowDlg::OnBrowseForFolder() {
    CDirDialog dialog(tr("Source").toStdString(), m_strSrc, this, std::string());
    if (dialog.Browse(dialog.m_strPath)) {
        // Saved with the other path when the dialog ends.
        m_strSrc = dialog.m_strPath;
        UpdateData(false);
    }
}

void CBrellowDlg::OnBrowseDestination() {
    CDirDialog dialog(tr("Destination").toStdString(), m_strDst, this, std::string());
    if (dialog.Browse(dialog.m_strPath)) {
        m_strDst = dialog.m_strPath;
        CSettings().WriteString(PathDstEntry, m_strDst);
        UpdateData(false);
    }
}

void CBrellowDlg::OnOptions() {
    COptionsDlg dialog(this);
    dialog.exec();
}

void CBrellowDlg::OnOpenContainingFolder() {
    // A missing or empty folder simply opens nothing.
    QDesktopServices::openUrl(QUrl::fromLocalFile(FromUtf8(m_strDst)));
}
