// The source file, source folder and destination folder pickers, driven
// through Qt's own file dialogs.

#include "UiTestSupport.h"

#include "ui/BrellowApp.h"
#include "ui/BrellowDlg.h"
#include "ui/DirDialog.h"
#include "ui/Settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What a file dialog showed when it came up.
struct SeenDialog {
    QString title;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QString directory;
    QString status;
    QWidget* parent = nullptr;
};

SeenDialog See(QFileDialog* dialog) {
    const auto* status = dialog->findChild<QLabel*>("statusText");
    return {dialog->windowTitle(), dialog->fileMode(), dialog->directory().absolutePath(),
            status ? status->text() : QStringLiteral("(no status line)"), dialog->parentWidget()};
}

// Types the full path into the dialog's name field and presses Enter.
void Choose(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(name);
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
}

void Cancel(QFileDialog* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
}

} // namespace

class PickersTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }

    void initialFolderRule_data();
    void initialFolderRule();
    void initialFolderShownInDialog_data();
    void initialFolderShownInDialog();
    void browseReportsWhetherAFolderWasChosen();
    void sourceMenuAtPointer();
    void sourceFilePickSavesAtOnce();
    void sourceFileCancelChangesNothing();
    void sourceFolderPickSavesWhenDialogEnds();
    void destinationPickSavesAtOnce();
    void destinationCancelChangesNothing();
    void pickersUnreachableDuringJob();
};

void PickersTest::initialFolderRule_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("initial");
    QTest::newRow("plain") << "/data/lessons"
                           << "/data/lessons";
    QTest::newRow("slash") << "/data/lessons/"
                           << "/data/lessons";
    QTest::newRow("backslash") << "C:\\lessons\\"
                               << "C:\\lessons";
    QTest::newRow("two separators lose one") << "/data/lessons//"
                                             << "/data/lessons/";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("root stays") << "/"
                                << "/";
}

void PickersTest::initialFolderRule() {
    QFETCH(QString, given);
    QFETCH(QString, initial);
    QWidget parent;
    const CDirDialog dialog("Destination", given.toStdString(), &parent, "");
    QCOMPARE(QString::fromStdString(dialog.m_strInitialFolder), initial);
    QCOMPARE(dialog.m_strTitle, std::string("Destination"));
    QCOMPARE(dialog.m_hwndParent, &parent);
    QVERIFY(dialog.m_strRoot.empty());
    QVERIFY(dialog.m_strPath.empty());
}

void PickersTest::initialFolderShownInDialog_data() {
    QTest::addColumn<QString>("suffix"); // after the temporary folder's path
    QTest::addColumn<bool>("empty");
    QTest::newRow("slash") << "/sub/" << false;
    QTest::newRow("two slashes") << "/sub//" << false;
    QTest::newRow("file in it") << "/sub/lesson.wav" << false;
    QTest::newRow("empty") << "" << true;
}

void PickersTest::initialFolderShownInDialog() {
    QFETCH(QString, suffix);
    QFETCH(bool, empty);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QFile(dir.filePath("sub/lesson.wav")).open(QIODevice::WriteOnly);
    const QString given = empty ? QString() : dir.path() + suffix;
    const QString expected = empty ? QDir::currentPath() : dir.filePath("sub");

    Window w;
    QTest::keyClicks(w.Dst(), given);
    SeenDialog seen;
    UiScript script;
    script.OnTop<QFileDialog>([&](QFileDialog* dialog) {
        seen = See(dialog);
        Cancel(dialog);
    });
    QTest::mouseClick(w.Button("IDC_DST_BROWSE"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(seen.title, QStringLiteral("Destination"));
    QCOMPARE(seen.mode, QFileDialog::Directory);
    QCOMPARE(seen.parent, &w.dlg);
    QCOMPARE(seen.directory, expected);
    QCOMPARE(seen.status, QDir::toNativeSeparators(expected));
    QCOMPARE(w.Dst()->text(), given);
}

void PickersTest::browseReportsWhetherAFolderWasChosen() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("chosen one"));
    CDirDialog dialog("Source", dir.path().toStdString(), nullptr, "");
    UiScript script;
    script.OnTop<QFileDialog>([&](QFileDialog* d) { Choose(d, dir.filePath("chosen one")); });
    script.OnTop<QFileDialog>([&](QFileDialog* d) { Cancel(d); });
    QVERIFY(dialog.Browse(dialog.m_strPath));
    QCOMPARE(QString::fromStdString(dialog.m_strPath), dir.filePath("chosen one"));
    // Cancel leaves nothing behind, not even the last choice.
    QVERIFY(!dialog.Browse(dialog.m_strPath));
    QVERIFY(dialog.m_strPath.empty());
    QVERIFY(script.Done());
}

void PickersTest::sourceMenuAtPointer() {
    Window w;
    const QPoint pointer(140, 95);
    QCursor::setPos(pointer);
    QStringList items;
    QPoint at;
    UiScript script;
    script.OnTop<QMenu>([&](QMenu* menu) {
        for (const QAction* action : menu->actions())
            items << action->text();
        at = menu->pos();
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    // From the keyboard too, the menu opens at the pointer, not at the button.
    w.Button("IDC_SRC_BROWSE")->setFocus();
    QTest::keyClick(w.Button("IDC_SRC_BROWSE"), Qt::Key_Space);
    QVERIFY(script.Done());
    QCOMPARE(script.Unexpected(), QStringList());
    QCOMPARE(items, QStringList({"Browse For File", "Browse For Folder"}));
    QCOMPARE(at, pointer + QPoint(5, 5));
    QVERIFY(w.dlg.m_strSrc.empty());
}

// Opens the source menu and picks one of its items.
static void PickFromSourceMenu(UiScript& script, const QString& item) {
    script.OnTop<QMenu>([item](QMenu* menu) {
        for (QAction* action : menu->actions())
            if (action->text() == item)
                menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

void PickersTest::sourceFilePickSavesAtOnce() {
    // Deeper than the 99 characters an old file dialog allowed.
    QTemporaryDir dir;
    const QString folder = dir.filePath("a rather long folder name for lessons/"
                                        "and another level below it/and one more");
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + "/lesson twelve.wav";
    QFile(file).open(QIODevice::WriteOnly);
    QVERIFY(file.size() > 99);

    Window w;
    w.Src()->setText(folder); // where the dialog opens
    SeenDialog seen;
    QStringList filters;
    UiScript script;
    PickFromSourceMenu(script, "Browse For File");
    script.OnTop<QFileDialog>([&](QFileDialog* dialog) {
        seen = See(dialog);
        filters = dialog->nameFilters();
        Choose(dialog, file);
    });
    QTest::mouseClick(w.Button("IDC_SRC_BROWSE"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(script.Unexpected(), QStringList());
    QCOMPARE(seen.mode, QFileDialog::ExistingFile);
    QCOMPARE(seen.directory, folder);
    QCOMPARE(seen.parent, &w.dlg);
    QVERIFY(filters.isEmpty() || filters == QStringList("All Files (*)"));
    QCOMPARE(QString::fromStdString(w.dlg.m_strSrc), file);
    QCOMPARE(w.Src()->text(), file);
    // In the store before the dialog ends.
    QVERIFY(w.dlg.isVisible());
    QCOMPARE(StoredOnDisk("Path Src").toString(), file);
    QVERIFY(!StoredOnDisk("Path Dst").isValid());
}

void PickersTest::sourceFileCancelChangesNothing() {
    CSettings().WriteString("Path Src", "/stored");
    Window w;
    QTest::keyClick(w.Src(), Qt::Key_End); // the text is selected on show
    QTest::keyClicks(w.Src(), " typed");
    SeenDialog seen;
    UiScript script;
    PickFromSourceMenu(script, "Browse For File");
    script.OnTop<QFileDialog>([&](QFileDialog* dialog) {
        seen = See(dialog);
        Cancel(dialog);
    });
    QTest::mouseClick(w.Button("IDC_SRC_BROWSE"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(seen.directory, QStringLiteral("/")); // the folder of that file
    QCOMPARE(QString::fromStdString(w.dlg.m_strSrc), QStringLiteral("/stored typed"));
    QCOMPARE(StoredOnDisk("Path Src").toString(), QStringLiteral("/stored"));
}

void PickersTest::sourceFolderPickSavesWhenDialogEnds() {
    CSettings().WriteString("Path Src", "/stored");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("start"));
    QVERIFY(QDir(dir.path()).mkdir("lessons"));
    Window w;
    w.Src()->setText(dir.path() + "/start/");
    SeenDialog seen;
    UiScript script;
    PickFromSourceMenu(script, "Browse For Folder");
    script.OnTop<QFileDialog>([&](QFileDialog* dialog) {
        seen = See(dialog);
        Choose(dialog, dir.filePath("lessons"));
    });
    QTest::mouseClick(w.Button("IDC_SRC_BROWSE"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(script.Unexpected(), QStringList());
    QCOMPARE(seen.title, QStringLiteral("Source"));
    QCOMPARE(seen.mode, QFileDialog::Directory);
    QCOMPARE(seen.directory, dir.filePath("start"));
    QCOMPARE(QString::fromStdString(w.dlg.m_strSrc), dir.filePath("lessons"));
    QCOMPARE(w.Src()->text(), dir.filePath("lessons"));
    QCOMPARE(StoredOnDisk("Path Src").toString(), QStringLiteral("/stored"));
    QTest::keyClick(&w.dlg, Qt::Key_Escape);
    QCOMPARE(StoredOnDisk("Path Src").toString(), dir.filePath("lessons"));
}

void PickersTest::destinationPickSavesAtOnce() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("out put"));
    Window w;
    QTest::keyClicks(w.Src(), "/typed source");
    UiScript script;
    script.OnTop<QFileDialog>(
        [&](QFileDialog* dialog) { Choose(dialog, dir.filePath("out put")); });
    QTest::mouseClick(w.Button("IDC_DST_BROWSE"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(QString::fromStdString(w.dlg.m_strDst), dir.filePath("out put"));
    QCOMPARE(w.Dst()->text(), dir.filePath("out put"));
    QVERIFY(w.dlg.isVisible());
    QCOMPARE(StoredOnDisk("Path Dst").toString(), dir.filePath("out put"));
    // Only the picked path is written.
    QVERIFY(!StoredOnDisk("Path Src").isValid());
}

void PickersTest::destinationCancelChangesNothing() {
    CSettings().WriteString("Path Dst", "/stored");
    Window w;
    QTest::keyClick(w.Dst(), Qt::Key_End);
    QTest::keyClicks(w.Dst(), "/more");
    UiScript script;
    script.OnTop<QFileDialog>([](QFileDialog* dialog) { Cancel(dialog); });
    QTest::mouseClick(w.Button("IDC_DST_BROWSE"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(QString::fromStdString(w.dlg.m_strDst), QStringLiteral("/stored/more"));
    QCOMPARE(w.Dst()->text(), QStringLiteral("/stored/more"));
    QCOMPARE(StoredOnDisk("Path Dst").toString(), QStringLiteral("/stored"));
}

void PickersTest::pickersUnreachableDuringJob() {
    Window w;
    CopyExample(w.in.filePath("a.wav"));
    w.Fill();
    bool disabled = false;
    UiScript script;
    script.Then([&] { return w.dlg.m_bBusy; },
                [&] {
                    disabled = !w.Button("IDC_SRC_BROWSE")->isEnabled() &&
                               !w.Button("IDC_DST_BROWSE")->isEnabled();
                    QTest::mouseClick(w.Button("IDC_SRC_BROWSE"), Qt::LeftButton);
                    QTest::mouseClick(w.Button("IDC_DST_BROWSE"), Qt::LeftButton);
                    QTest::keyClick(&w.dlg, Qt::Key_Period, Qt::AltModifier);
                });
    QTest::mouseClick(w.Button("IDC_RUN"), Qt::LeftButton);
    QVERIFY(script.Done());
    QVERIFY(disabled);
    // Had a menu or a file dialog come up, it would be listed here.
    QCOMPARE(script.Unexpected(), QStringList());
    QVERIFY(QFile::exists(w.out.filePath("a.WAV")));
}

int main(int argc, char** argv) {
    const IsolatedSettings settings;
    CBrellowApp app(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    PickersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PickersTest.moc"
