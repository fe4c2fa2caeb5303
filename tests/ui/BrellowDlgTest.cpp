// The main dialog and the application object, driven through real widgets.

#include "UiTestSupport.h"

#include "BrellowVersion.h"
#include "batch/ConvertFile.h"
#include "batch/MessageBox.h"
#include "pause/MessagePump.h"
#include "support/RecordingWindow.h"
#include "ui/BrellowApp.h"
#include "ui/BrellowDlg.h"
#include "ui/OptionsDlg.h"
#include "ui/Settings.h"
#include "ui/Translations.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <algorithm>
#include <clocale>

namespace {

// Every text of the sources, by context, as the catalogue tool finds them.
QList<std::pair<QByteArray, QByteArray>> SourceTexts() {
    QTemporaryDir dir;
    const QString found = dir.filePath("found.ts"), src = BRELLOW_SOURCE_DIR;
    QProcess::execute(BRELLOW_LUPDATE,
                      {"-silent", "-tr-function-alias", "translate+=Tr", "-I", src, src + "/audio",
                       src + "/batch", src + "/job", src + "/ui", "-ts", found});
    QFile file(found);
    file.open(QIODevice::ReadOnly);
    QList<std::pair<QByteArray, QByteArray>> texts;
    QByteArray context;
    for (QXmlStreamReader xml(&file); !xml.atEnd();)
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"name")
            context = xml.readElementText().toUtf8();
        else if (xml.isStartElement() && xml.name() == u"source")
            texts.append({context, xml.readElementText().toUtf8()});
    return texts;
}

// A name that decoding twice, or not at all, would change; it need not exist.
const QString DroppedPath = QStringLiteral(u"/home/learner/\u00dcbung 1 %41");

} // namespace

class BrellowDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }

    void applicationIdentity();
    void pumpRunsPendingEvents();
    void applicationRunsDialogModally();
    void firstStartShowsEmptyIdleDialog();
    void templateLayout_data();
    void templateLayout();
    void drops_data();
    void drops();
    void trimsPastedSource_data();
    void trimsPastedSource();
    void messageBoxes();
    void pathsSurviveEveryEnd_data();
    void pathsSurviveEveryEnd();
    void busyAndIdleStates();
    void listenTakesOneFile_data();
    void listenTakesOneFile();
    void emptyFolderShowsEmptyBar();
    void stopWhileIdleDoesNotStopNextRun();
    void stopDuringJobEndsBeforeNextFile();
    void keysAndCloseDuringJob_data();
    void keysAndCloseDuringJob();
    void twinSourcesAskBeforeTheSecondOutput();
    void failureBoxes_data();
    void failureBoxes();
    void openContainingFolder();

public slots:
    void OpenedUrl(const QUrl& url) { m_opened << url; }

private:
    QList<QUrl> m_opened;
};

void BrellowDlgTest::applicationIdentity() {
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Quorvel"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(BRELLOW_VERSION));
    // Numbers as the terminal reads them, whatever the desktop's language.
    QCOMPARE(std::setlocale(LC_NUMERIC, nullptr), "C");
    // Named after this program file: a renamed copy has its own settings.
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCOMPARE(QCoreApplication::applicationName(), program);
    QVERIFY2(QSettings().fileName().endsWith("/Quorvel/" + program + ".conf"),
             qPrintable(QSettings().fileName()));

    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {256, 128, 64, 48, 32, 24, 16})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
}

void BrellowDlgTest::pumpRunsPendingEvents() {
    bool ran = false;
    QTimer::singleShot(0, this, [&ran] { ran = true; });
    PumpMessages();
    QVERIFY(ran);
}

void BrellowDlgTest::applicationRunsDialogModally() {
    CSettings().WriteString("Path Src", "/from the store");
    bool shown = false;
    UiScript script;
    script.OnTop<CBrellowDlg>([&shown](CBrellowDlg* dlg) {
        shown = dlg->isModal() && dlg->windowTitle() == "Brellow" &&
                dlg->findChild<QLineEdit*>("IDC_SRC_PATH")->text() == "/from the store";
        QTest::mouseClick(dlg->findChild<QPushButton*>("IDOK"), Qt::LeftButton);
    });
    auto* app = static_cast<CBrellowApp*>(QCoreApplication::instance());
    QCOMPARE(app->InitInstance(), 0);
    QVERIFY(shown);
    QVERIFY(script.Done());
}

void BrellowDlgTest::firstStartShowsEmptyIdleDialog() {
    Window w;
    QCOMPARE(w.Src()->text(), QString());
    QCOMPARE(w.Dst()->text(), QString());
    QCOMPARE(w.Status()->text(), QString());
    QCOMPARE(w.EnabledButtons(), AllButtons);
    QVERIFY(w.Src()->isEnabled() && w.Dst()->isEnabled());
    QCOMPARE(w.Progress()->value(), 0);
    QVERIFY(!w.Progress()->isTextVisible());
    QVERIFY(!w.dlg.m_bBusy && !w.dlg.m_bStop);
    QVERIFY(w.dlg.m_strSrc.empty() && w.dlg.m_strDst.empty());
    QCOMPARE(w.dlg.focusWidget(), w.Src());
}

void BrellowDlgTest::templateLayout_data() {
    QTest::addColumn<QString>("language");
    for (const QString& qm :
         QDir(":/i18n").entryList() + QStringList{"brellow_en.qm", "brellow_C.qm"})
        QTest::newRow(qPrintable(qm)) << qm.section('_', 1).chopped(3);
    QTest::newRow("de, then ja") << "de,ja"; // the first that loads wins
}

void BrellowDlgTest::templateLayout() {
    QFETCH(QString, language);
    const CTranslations translations(language.split(','));
    const bool english = translations.Language().isEmpty();
    language = language.section(',', 0, 0);
    QVERIFY(english || translations.Language().startsWith(language));
    // The job's texts and Qt's own come in the same language.
    QCOMPARE(Tr("Job", "Wrong path") == "Wrong path", english);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel", english);
    // Each text of the sources translated, its placeholders, mnemonic and lines kept.
    QTranslator catalogue;
    QCOMPARE(catalogue.load("brellow_" + language, ":/i18n"), !english);
    static const auto sourceTexts = SourceTexts();
    QVERIFY(sourceTexts.size() > 40 || english);
    for (const auto& [context, source] : english ? decltype(sourceTexts)() : sourceTexts)
        for (const char* mark : {"%1", "%2", "&", "\n"})
            QVERIFY2(catalogue.translate(context, source).count(mark) == source.count(mark) &&
                         !catalogue.translate(context, source).isEmpty(),
                     source);

    Window w;
    QCOMPARE(w.dlg.windowTitle(), QStringLiteral("Brellow"));
    const Qt::WindowFlags flags = w.dlg.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QCOMPARE(w.dlg.minimumSize(), w.dlg.maximumSize());

    // Every control inside the dialog, clear of the others, its whole text shown and its
    // mnemonic its own.
    const QList<QWidget*> controls = w.dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QStringList texts, mnemonics;
    for (QWidget* control : controls) {
        const auto* button = qobject_cast<QPushButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        const QString text = button ? button->text() : label ? label->text() : QString();
        QVERIFY2(w.dlg.rect().contains(control->geometry()) &&
                     control->fontMetrics().size(Qt::TextShowMnemonic, text).width() <=
                         control->width(),
                 qPrintable(text));
        for (const QWidget* other : controls)
            QVERIFY(other == control || !other->geometry().intersects(control->geometry()));
        texts << text;
        mnemonics << QKeySequence::mnemonic(text).toString();
    }
    mnemonics.removeAll(QString());
    QCOMPARE(QSet(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size());
    if (english)
        QCOMPARE(texts, QStringList({"Source:", "", "...", "Destination Folder:", "", "...",
                                     "&Open containing folder", "", "", "&Run", "&Stop", "&Close",
                                     "O&ptions...", "&Listen..."}));
    // The edits run up to their "..." buttons, level with them, several buttons wide; Run,
    // Stop and Close line up under the "..." buttons.
    for (const auto& [edit, browse] : {std::pair{w.Src(), w.Button("IDC_SRC_BROWSE")},
                                       std::pair{w.Dst(), w.Button("IDC_DST_BROWSE")}})
        QVERIFY(edit->y() == browse->y() && edit->geometry().right() < browse->x() &&
                edit->width() > 4 * w.Button("IDC_RUN")->width());
    for (const char* name : {"IDC_RUN", "IDC_STOP", "IDOK"})
        QCOMPARE(w.Button(name)->geometry().right(),
                 w.Button("IDC_SRC_BROWSE")->geometry().right());

    // Tab order: the template's order, over the controls that take focus.
    QStringList order;
    QWidget* widget = w.Src();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != w.Src());
    QCOMPARE(order, QStringList({"IDC_SRC_PATH", "IDC_SRC_BROWSE", "IDC_DST_PATH", "IDC_DST_BROWSE",
                                 "IDC_OPEN_FOLDER", "IDC_RUN", "IDC_STOP", "IDOK", "IDC_OPTIONS",
                                 "IDC_LISTEN"}));

    // The Options dialog, in the same language: each control and group clear of the others in
    // its group, given all the room it asks for, with a tooltip; each mnemonic its own.
    COptionsDlg options(&w.dlg);
    options.show();
    QVERIFY(options.width() <= 1024 && options.height() <= 768);
    mnemonics.clear();
    for (QWidget* control : options.findChildren<QWidget*>()) {
        QWidget* parent = control->parentWidget();
        if (!qobject_cast<QGroupBox*>(parent) && !qobject_cast<QDialogButtonBox*>(parent) &&
            parent != &options)
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        const QString text = button ? button->text() : label ? label->text() : QString();
        mnemonics << QKeySequence::mnemonic(text).toString();
        QVERIFY2(parent->rect().contains(control->geometry()) &&
                     control->width() >= control->sizeHint().width() &&
                     (!(control->focusPolicy() & Qt::TabFocus) || !control->toolTip().isEmpty()),
                 qPrintable(control->objectName() + text));
        for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(other == control || !other->geometry().intersects(control->geometry()));
    }
    mnemonics.removeAll(QString());
    QCOMPARE(QSet(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size());
    QVERIFY(mnemonics.size() >= 16);

    // Close is the default button: Enter in an edit ends the dialog with it.
    QVERIFY(w.Button("IDOK")->isDefault());
    QSignalSpy finished(&w.dlg, &QDialog::finished);
    QTest::keyClick(w.Src(), Qt::Key_Return);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
}

void BrellowDlgTest::drops_data() {
    const QUrl local = QUrl::fromLocalFile(DroppedPath);
    QTest::addColumn<QString>("on"); // a control, or the dialog itself
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("gets"); // the edit that shows the path
    QTest::newRow("on source") << "IDC_SRC_PATH" << QList{local} << "IDC_SRC_PATH";
    QTest::newRow("on destination") << "IDC_DST_PATH" << QList{local} << "IDC_DST_PATH";
    QTest::newRow("on dialog") << QString() << QList{local} << "IDC_SRC_PATH";
    QTest::newRow("two") << "IDC_SRC_PATH" << QList{local, local} << QString();
    QTest::newRow("remote") << "IDC_DST_PATH" << QList{QUrl("https://quorvel.example/a.wav")}
                            << QString();
    QTest::newRow("other host") << QString() << QList{QUrl("file://far/a.wav")} << QString();
    QUrl localhost = local;
    localhost.setHost("localhost");
    QTest::newRow("localhost") << QString() << QList{localhost} << "IDC_SRC_PATH";
    QTest::newRow("enter, leave") << "IDC_SRC_PATH" << QList{local} << QString();
}

void BrellowDlgTest::drops() {
    QFETCH(QString, on);
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, gets);
    Window w;
    // As a file manager offers them: a URI list, and the same as text.
    const QByteArray list = QUrl::toStringList(urls, QUrl::FullyEncoded).join("\r\n").toUtf8();
    QMimeData data;
    data.setData("text/uri-list", list);
    data.setText(list);
    QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QWidget* target = on.isEmpty() ? &w.dlg : w.Get<QWidget>(qPrintable(on));
    QDragLeaveEvent leave;
    if (QApplication::sendEvent(target, &enter) && enter.isAccepted())
        QApplication::sendEvent(target, QTest::currentDataTag() == QByteArray("enter, leave")
                                            ? static_cast<QEvent*>(&leave)
                                            : &drop);
    QCOMPARE(enter.isAccepted() && drop.isAccepted(), !gets.isEmpty());
    QCOMPARE(w.Src()->text(), gets == "IDC_SRC_PATH" ? DroppedPath : QString());
    QCOMPARE(w.Dst()->text(), gets == "IDC_DST_PATH" ? DroppedPath : QString());
    w.dlg.close(); // stored when a typed path is
    QCOMPARE(StoredOnDisk("Path Src").toString() + StoredOnDisk("Path Dst").toString(),
             gets.isEmpty() ? QString() : DroppedPath);
}

void BrellowDlgTest::trimsPastedSource_data() {
    QTest::addColumn<QChar>("space");
    // All of Unicode's white space, \t \n \v \f \r among it, and three characters that are not.
    for (char16_t c = 1; c != 0; ++c)
        if (QChar::isSpace(c) || c == 0x200b || c == 0x2060 || c == 0xfeff)
            QTest::newRow(qPrintable(QString("U+%1").arg(c, 4, 16, QChar('0')))) << QChar(c);
}

void BrellowDlgTest::trimsPastedSource() {
    QFETCH(QChar, space);
    Window w; // nothing to convert: no box unless the source is refused
    const QString pasted = QString(2, space) + w.in.path() + space;
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(w.Src(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(w.Dst(), w.in.path());
    QCOMPARE(w.Run().size(), int(!space.isSpace()));
    QCOMPARE(w.Src()->text(), space.isSpace() ? w.in.path() : pasted);
}

void BrellowDlgTest::messageBoxes() {
    Window w;
    QList<SeenBox> seen;
    UiScript script;
    const auto answer = [&](QMessageBox::StandardButton button) {
        script.OnTop<QMessageBox>([&, button](QMessageBox* box) {
            seen << w.See(box);
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
    };
    answer(QMessageBox::Ok);
    answer(QMessageBox::Ok);
    answer(QMessageBox::Ok);
    answer(QMessageBox::Yes);
    answer(QMessageBox::No);
    answer(QMessageBox::Cancel);
    script.OnTop<QMessageBox>([&](QMessageBox* box) {
        seen << w.See(box);
        box->close(); // the box's own close box
    });

    ShowError(w.dlg, "The software does not support given audio format\nDetails: <b>x</b> & y");
    ShowError(w.dlg, "Please, specify path", "");
    ShowWarning(w.dlg, "Application has stopped by user request", "Info");
    QCOMPARE(AskConfirmation(w.dlg, "Are you sure you want to stop conversion?"), IDYES);
    QCOMPARE(AskConfirmation(w.dlg, "Skip?", "Failure"), IDNO);
    QCOMPARE(AskConfirmation(w.dlg, "Skip?", "Failure"), IDCANCEL);
    QCOMPARE(AskConfirmation(w.dlg, "Skip?", "Failure"), IDCANCEL);
    QVERIFY(script.Done());
    QCOMPARE(seen.size(), 7);

    QCOMPARE(seen[0].caption, QStringLiteral("Error"));
    // Shown as plain text: a path may hold anything.
    QCOMPARE(
        seen[0].text,
        QStringLiteral("The software does not support given audio format\nDetails: <b>x</b> & y"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QCOMPARE(seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen[1].caption, QString()); // an empty caption stays empty
    QCOMPARE(seen[1].icon, QMessageBox::Critical);
    QCOMPARE(seen[2].caption, QStringLiteral("Info"));
    QCOMPARE(seen[2].icon, QMessageBox::NoIcon);
    QCOMPARE(seen[2].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen[3].caption, QStringLiteral("Confirmation"));
    QCOMPARE(seen[3].text, QStringLiteral("Are you sure you want to stop conversion?"));
    for (int i = 3; i < 7; ++i) {
        QCOMPARE(seen[i].icon, QMessageBox::Question);
        QCOMPARE(seen[i].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    for (const SeenBox& box : seen)
        QCOMPARE(box.parent, &w.dlg);
}

void BrellowDlgTest::pathsSurviveEveryEnd_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Close") << 0 << int(QDialog::Accepted);
    QTest::newRow("Escape") << 1 << int(QDialog::Rejected);
    QTest::newRow("close box") << 2 << int(QDialog::Rejected);
}

void BrellowDlgTest::pathsSurviveEveryEnd() {
    QFETCH(int, how);
    QFETCH(int, result);
    // Spaces kept as typed; a comma and a leading @ are what an INI file
    // would otherwise turn into a list or a typed value.
    const QString src = QString::fromUtf8("  /tmp/\xc3\x9c"
                                          "bung one, part@2.wav  ");
    const QString dst = QStringLiteral(" @out dir ");
    {
        Window w;
        w.Fill(src, dst);
        QSignalSpy finished(&w.dlg, &QDialog::finished);
        switch (how) {
        case 0:
            QTest::mouseClick(w.Button("IDOK"), Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(&w.dlg, Qt::Key_Escape);
            break;
        default:
            QVERIFY(w.dlg.close());
            break;
        }
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), result);
        QVERIFY(!w.dlg.isVisible());
    }
    QCOMPARE(StoredOnDisk("Path Src").toString(), src);
    QCOMPARE(StoredOnDisk("Path Dst").toString(), dst);

    Window next;
    QCOMPARE(next.Src()->text(), src);
    QCOMPARE(next.Dst()->text(), dst);
    QCOMPARE(QString::fromStdString(next.dlg.m_strSrc), src);
}

void BrellowDlgTest::busyAndIdleStates() {
    Window w;
    CopyExample(w.in.filePath("lesson.wav"));

    // A whole job: the status keeps "1 of 1" afterwards.
    w.Fill(w.in.filePath("lesson.wav"));
    QStringList enabledInPump;
    bool editsEnabledInPump = false, listenInPump = true;
    UiScript job;
    job.Then([&] { return w.dlg.m_bBusy; },
             [&] {
                 enabledInPump = w.EnabledButtons();
                 editsEnabledInPump = w.Src()->isEnabled() && w.Dst()->isEnabled();
                 listenInPump = w.Button("IDC_LISTEN")->isEnabled();
             });
    QTest::mouseClick(w.Button("IDC_RUN"), Qt::LeftButton);
    QVERIFY(job.Done());
    QCOMPARE(job.Unexpected(), QStringList());
    QCOMPARE(enabledInPump, BusyButtons);
    QVERIFY(editsEnabledInPump);
    QVERIFY(!listenInPump);
    QVERIFY(w.Button("IDC_LISTEN")->isEnabled());
    QVERIFY(QFile::exists(w.out.filePath("lesson.WAV")));
    QCOMPARE(w.Status()->text(), QStringLiteral("1 of 1"));
    QCOMPARE(w.Progress()->value(), 0);
    QCOMPARE(w.EnabledButtons(), AllButtons);
    QVERIFY(!w.dlg.m_bBusy);

    // The next job empties it at once: seen while its path box is up.
    Window::Retype(w.Src(), "   ");
    Window::Retype(w.Dst(), " ");
    const QList<SeenBox> seen = w.Run();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].caption, QStringLiteral("Wrong path"));
    QVERIFY(seen[0].busy);
    QCOMPARE(seen[0].status, QString());
    QCOMPARE(seen[0].enabled, BusyButtons);
    // Idle again, with the trimmed paths pushed back into the edits.
    QCOMPARE(w.EnabledButtons(), AllButtons);
    QCOMPARE(w.Src()->text(), QString());
    QCOMPARE(w.Dst()->text(), QString());
    QCOMPARE(w.Status()->text(), QString());
}

void BrellowDlgTest::listenTakesOneFile_data() {
    QTest::addColumn<QString>("source"); // in the input folder; "{in}": the folder itself
    QTest::addColumn<bool>("enabled");
    QTest::newRow("none") << "" << false;
    QTest::newRow("a folder") << "{in}" << false;
    QTest::newRow("a missing file") << "gone.wav" << false;
    QTest::newRow("one file") << "lesson.wav" << true;
    QTest::newRow("a link to one file") << "link.wav" << true;
    QTest::newRow("a link to a folder") << "folder link" << false;
}

// Listen, beside Options, opens one recording: nothing else enables it.
void BrellowDlgTest::listenTakesOneFile() {
    QFETCH(QString, source);
    QFETCH(bool, enabled);
    Window w;
    CopyExample(w.in.filePath("lesson.wav"));
    QFile::link(w.in.filePath("lesson.wav"), w.in.filePath("link.wav"));
    QFile::link(w.in.path(), w.in.filePath("folder link"));
    if (!source.isEmpty())
        w.Fill(source == "{in}" ? w.in.path() : w.in.filePath(source));
    QCOMPARE(w.Button("IDC_LISTEN")->isEnabled(), enabled);
    const QRect listen = w.Button("IDC_LISTEN")->geometry();
    const QRect options = w.Button("IDC_OPTIONS")->geometry();
    QVERIFY(listen.y() == options.y() && listen.right() < options.x() &&
            options.x() - listen.right() < options.width());
}

void BrellowDlgTest::emptyFolderShowsEmptyBar() {
    Window w;
    w.Fill();
    QCOMPARE(w.Run().size(), 0);
    QCOMPARE(w.Status()->text(), QString());
    // Nothing to do is an empty bar, not Qt's busy indicator (a 0..0 range).
    QVERIFY(w.Progress()->maximum() > w.Progress()->minimum());
    QCOMPARE(w.Progress()->value(), 0);
}

void BrellowDlgTest::stopWhileIdleDoesNotStopNextRun() {
    Window w;
    CopyExample(w.in.filePath("a.wav"));
    CopyExample(w.in.filePath("b.wav"));
    w.Fill();
    QTest::mouseClick(w.Button("IDC_STOP"), Qt::LeftButton);
    QVERIFY(w.dlg.m_bStop);

    QCOMPARE(w.Run().size(), 0);
    QVERIFY(QFile::exists(w.out.filePath("a.WAV")));
    QVERIFY(QFile::exists(w.out.filePath("b.WAV")));
    QCOMPARE(w.Status()->text(), QStringLiteral("2 of 2"));
    QVERIFY(!w.dlg.m_bStop);
}

void BrellowDlgTest::stopDuringJobEndsBeforeNextFile() {
    Window w(1); // one file after another: no second file is under way at the Stop
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        CopyExample(w.in.filePath(name));
    w.Fill();

    QList<SeenBox> seen;
    UiScript script;
    // Pressed while the first file converts: handled at the pump.
    script.Then([&] { return w.dlg.m_bBusy && w.Status()->text() == "1 of 3"; },
                [&] { QTest::mouseClick(w.Button("IDC_STOP"), Qt::LeftButton); });
    w.AcknowledgeBoxes(script, seen);
    QTest::mouseClick(w.Button("IDC_RUN"), Qt::LeftButton);

    QVERIFY(script.Done());
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].caption, QStringLiteral("Info"));
    QCOMPARE(seen[0].text, QStringLiteral("Application has stopped by user request"));
    QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(seen[0].status, QStringLiteral("2 of 3"));
    QCOMPARE(seen[0].progress, 2);
    QVERIFY(QFile::exists(w.out.filePath("a.WAV")));
    QVERIFY(!QFile::exists(w.out.filePath("b.WAV")));
    QVERIFY(!QFile::exists(w.out.filePath("c.WAV")));
    QCOMPARE(w.Progress()->value(), 0);
    QCOMPARE(w.EnabledButtons(), AllButtons);
    QVERIFY(w.dlg.isVisible());
}

void BrellowDlgTest::keysAndCloseDuringJob_data() {
    QTest::addColumn<int>("escape"); // a key for Stop (typing: for an edit), or 0: the close box
    QTest::addColumn<int>("answer"); // a button, -1 for the box's close box, 0: nothing asked
    QTest::addColumn<bool>("stops");
    for (const int escape : {0, int(Qt::Key_Escape)}) {
        const QByteArray how = escape ? "Escape, " : "close box, ";
        QTest::newRow(how + "Yes") << escape << int(QMessageBox::Yes) << true;
        QTest::newRow(how + "No") << escape << int(QMessageBox::No) << false;
        QTest::newRow(how + "Cancel") << escape << int(QMessageBox::Cancel) << false;
        QTest::newRow(how + "box closed") << escape << -1 << false;
    }
    // The job lets no other key through but Space, a button's own key.
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << false;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 0 << false;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << false;
    QTest::newRow("typing") << int(Qt::Key_X) << 0 << false;
    QTest::newRow("typing Space") << int(Qt::Key_Space) << 0 << false;
    QTest::newRow("Stop's mnemonic") << (Qt::ALT | Qt::Key_S).toCombined() << 0 << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << 0 << true;
}

void BrellowDlgTest::keysAndCloseDuringJob() {
    QFETCH(int, escape);
    QFETCH(int, answer);
    QFETCH(bool, stops);
    Window w(1); // one file after another: no second file is under way at the Stop
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        CopyExample(w.in.filePath(name));
    w.Fill();
    QSignalSpy finished(&w.dlg, &QDialog::finished);

    QList<SeenBox> seen;
    bool stopAfterAnswer = false, focusKept = false;
    UiScript script;
    script.Then([&] { return w.dlg.m_bBusy && w.Status()->text() == "1 of 3"; },
                [&] {
                    // Rows named "typing" type into an edit.
                    QWidget* at = w.Get<QWidget>(
                        QByteArray(QTest::currentDataTag()).startsWith("typing") ? "IDC_DST_PATH"
                                                                                 : "IDC_STOP");
                    QApplication::setActiveWindow(&w.dlg); // where mnemonics apply
                    at->setFocus();
                    const QKeyCombination key = QKeyCombination::fromCombined(escape);
                    if (escape)
                        QTest::keyClick(at, key.key(), key.keyboardModifiers());
                    else
                        w.dlg.close();
                    // A mnemonic presses its button at once and clicks it a moment later.
                    stopAfterAnswer = w.dlg.m_bStop || w.Button("IDC_STOP")->isDown();
                    focusKept = w.dlg.focusWidget() == at;
                });
    if (answer)
        script.OnTop<QMessageBox>([&](QMessageBox* box) {
            seen << w.See(box);
            if (answer < 0)
                box->close();
            else
                QTest::mouseClick(box->button(QMessageBox::StandardButton(answer)), Qt::LeftButton);
        });
    if (stops)
        w.AcknowledgeBoxes(script, seen);
    QTest::mouseClick(w.Button("IDC_RUN"), Qt::LeftButton);

    QVERIFY(script.Done());
    QCOMPARE(script.Unexpected(), QStringList());
    QCOMPARE(stopAfterAnswer, stops);
    if (!answer) { // no typing, no moving on, no default button
        QVERIFY(focusKept && seen.size() == int(stops) && w.Dst()->text() == w.out.path());
        QCOMPARE(QFile::exists(w.out.filePath("c.WAV")), !stops);
        return;
    }
    QCOMPARE(seen.size(), stops ? 2 : 1);
    QCOMPARE(seen[0].caption, QStringLiteral("Confirmation"));
    QCOMPARE(seen[0].text, QStringLiteral("Are you sure you want to stop conversion?"));
    QCOMPARE(seen[0].icon, QMessageBox::Question);
    QVERIFY(seen[0].busy);
    if (stops) {
        QCOMPARE(seen[1].caption, QStringLiteral("Info"));
        QCOMPARE(seen[1].status, QStringLiteral("2 of 3"));
    }
    // The window never ends during a job.
    QCOMPARE(finished.size(), 0);
    QVERIFY(w.dlg.isVisible());
    QVERIFY(QFile::exists(w.out.filePath("a.WAV")));
    QCOMPARE(QFile::exists(w.out.filePath("b.WAV")), !stops);
    QCOMPARE(QFile::exists(w.out.filePath("c.WAV")), !stops);

    // Idle now: the same action ends the dialog without a question.
    UiScript idle;
    if (escape)
        QTest::keyClick(&w.dlg, Qt::Key_Escape);
    else
        w.dlg.close();
    QCOMPARE(idle.Unexpected(), QStringList());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
    QCOMPARE(StoredOnDisk("Path Src").toString(), w.in.path());
}

void BrellowDlgTest::twinSourcesAskBeforeTheSecondOutput() {
    Window w;
    QTemporaryDir alone;
    CopyExample(w.in.filePath("lesson.WAV")); // converted first: capitals come first
    QVERIFY(QFile::copy(BRELLOW_TEST_DATA "/german.wav", w.in.filePath("lesson.wav")));
    RecordingWindow reference;
    QVERIFY(ConvertFile(reference, w.in.filePath("lesson.WAV").toStdString(),
                        alone.filePath("first.WAV").toStdString()));
    w.Fill();

    QList<SeenBox> seen;
    UiScript script;
    script.OnTop<QMessageBox>([&w, &seen](QMessageBox* box) {
        seen << w.See(box);
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    QTest::mouseClick(w.Button("IDC_RUN"), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, "Cannot open file ' " + w.out.filePath("lesson.WAV") +
                               "' for writing. Do you want to continue?");
    QFile first(w.out.filePath("lesson.WAV")), expected(alone.filePath("first.WAV"));
    QVERIFY(first.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
    QVERIFY(first.readAll() == expected.readAll());
}

// A recording of a kind: example, stereo (refused by the exact reader, damaged for
// FFmpeg), empty, pcm (read by FFmpeg alone) or cut (FLAC cut in the middle); or
// backwards, subtitles whose cue ends before it starts.
void MakeRecording(const QString& path, const QString& kind) {
    if (kind == "example")
        return CopyExample(path);
    if (kind == "stereo")
        return WriteStereoCopy(path);
    QFile file(path);
    if (kind == "backwards") {
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("1\n00:00:02,000 --> 00:00:01,000\nHallo\n") > 0);
        return;
    }
    if (kind == "empty")
        QVERIFY(file.open(QIODevice::WriteOnly));
    else // ffmpeg, not our encoder, makes them
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-i", BRELLOW_TEST_DATA "/german.wav",
                                              "-c:a", kind == "cut" ? "flac" : "pcm_s16le", path}),
                 0);
    if (kind == "cut")
        QVERIFY(file.resize(file.size() / 2));
}

void BrellowDlgTest::failureBoxes_data() {
    QTest::addColumn<QString>("options"); // stored, "name=text" comma-separated
    QTest::addColumn<int>("jobs");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("files"); // "name=kind"; one: the source, more: their folder
    QTest::addColumn<QStringList>("written");
    // The one box's lines, each "start", or "start|context|text|context|text..." with each
    // text translated and seen in the line (each "%1" stands for words not checked); none: no box.
    QTest::addColumn<QStringList>("box");
    QTest::addColumn<QString>("press"); // the button that reads the recordings
    const QStringList folder{"a.wav=example", "b.wav=stereo", "c.mp3=empty", "d.wav=example"};
    const QString unsupported = "The software does not support given audio format";
    const QString skipped = "|CBrellowDlg|These recordings were skipped:";
    const QString channels = "'{in}/b.wav': |Job|The Number of channels must be 1";
    const QStringList damaged{"'{in}/b.wav': |Media|the recording is damaged and cannot be "
                              "decoded: %1",
                              "'{in}/c.mp3': |Media|the file is empty"};
    const QStringList readable{"lesson.wav=pcm"};
    const QString hint = "To convert it, turn on \"Read every recording format (MP3, M4A, Opus, "
                         "FLAC, ...)\" in Options.";
    QTest::newRow("keep going off: today's box, the job ends")
        << "" << 1 << "C" << folder << QStringList{"a.WAV"}
        << QStringList{unsupported, "Details: The Number of channels must be 1"} << "IDC_RUN";
    for (const int jobs : {1, 3})
        QTest::addRow("keep going, %d at once", jobs)
            << "keep-going=true" << jobs << "C" << folder << QStringList{"a.WAV", "d.WAV"}
            << QStringList{skipped, channels} << "IDC_RUN";
    QTest::newRow("keep going, every format, 3 at once")
        << "any-format=true,keep-going=true" << 3 << "C" << folder << QStringList{"a.WAV", "d.WAV"}
        << QStringList{skipped} + damaged << "IDC_RUN";
    QTest::newRow("keep going, every format, German")
        << "any-format=true,keep-going=true" << 1 << "de" << folder << QStringList{"a.WAV", "d.WAV"}
        << QStringList{skipped} + damaged << "IDC_RUN";
    QTest::newRow("subtitles beside the recording, German")
        << "phrases-from-srt=true" << 1 << "de"
        << QStringList{"lesson.wav=example", "lesson.srt=backwards"} << QStringList{}
        << QStringList{"|Subtitles|The subtitles '%1' cannot be read: %2|Subtitles|line %1: "
                       "%2|Subtitles|the cue ends before it starts"}
        << "IDC_RUN";
    QTest::newRow("FFmpeg reads it: hint")
        << "" << 1 << "C" << readable << QStringList{}
        << QStringList{unsupported, "Details: The WAV format must be ADPCM", hint} << "IDC_RUN";
    QTest::newRow("option on: converted")
        << "any-format=true" << 1 << "C" << readable << QStringList{"lesson.WAV"} << QStringList{}
        << "IDC_RUN";
    QTest::newRow("option on, damaged midway: no hint")
        << "any-format=true" << 1 << "C" << QStringList{"lesson.flac=cut"} << QStringList{}
        << QStringList{unsupported, "Details: |Media|the recording is damaged and cannot be "
                                    "decoded: %1"}
        << "IDC_RUN";
    QTest::newRow("damaged for FFmpeg: no hint")
        << "" << 1 << "C" << QStringList{"lesson.wav=stereo"} << QStringList{}
        << QStringList{unsupported, "Details: The Number of channels must be 1"} << "IDC_RUN";
    // The practice window reads the recording as a job would, and says the same.
    QTest::newRow("Listen: FFmpeg reads it: hint")
        << "" << 1 << "C" << readable << QStringList{}
        << QStringList{unsupported, "Details: The WAV format must be ADPCM", hint} << "IDC_LISTEN";
    QTest::newRow("Listen: damaged for FFmpeg: no hint")
        << "" << 1 << "C" << QStringList{"lesson.wav=stereo"} << QStringList{}
        << QStringList{unsupported, "Details: The Number of channels must be 1"} << "IDC_LISTEN";
    QTest::newRow("Listen: every format, an empty file")
        << "any-format=true" << 1 << "C" << QStringList{"lesson.mp3=empty"} << QStringList{}
        << QStringList{unsupported, "Details: |Media|the file is empty"} << "IDC_LISTEN";
}

void BrellowDlgTest::failureBoxes() {
    QFETCH(QString, options);
    QFETCH(int, jobs);
    QFETCH(QString, language);
    QFETCH(QStringList, files);
    QFETCH(QStringList, written);
    QFETCH(QStringList, box);
    QFETCH(QString, press);
    const CTranslations translations({language});
    Window w{unsigned(jobs)};
    for (const QString& file : files)
        MakeRecording(w.in.filePath(file.section('=', 0, 0)), file.section('=', 1));
    StoredJobOptions stored;
    for (const QString& option : options.split(',', Qt::SkipEmptyParts))
        stored.emplace_back(option.section('=', 0, 0).toStdString(),
                            option.section('=', 1).toStdString());
    WriteStoredOptions(stored);
    w.Fill(files.size() == 1 ? w.in.filePath(files[0].section('=', 0, 0)) : QString());
    const QList<SeenBox> seen = w.Run(qPrintable(press));
    WriteStoredOptions({});

    QCOMPARE(QDir(w.out.path()).entryList(QDir::Files), written);
    QCOMPARE(seen.size(), box.isEmpty() ? 0 : 1);
    // Shown once the job has ended, the dialog idle again.
    QVERIFY(box.isEmpty() || (!seen[0].busy && seen[0].enabled == AllButtons && !seen[0].progress));
    const QStringList lines = box.isEmpty() ? QStringList() : seen[0].text.split('\n');
    QCOMPARE(lines.size(), box.size());
    for (qsizetype i = 0; i < box.size(); ++i) {
        const QStringList parts = box[i].split('|');
        const QString start = QString(parts[0]).replace("{in}", w.in.path());
        QString expected = start;
        QStringList pieces;
        for (qsizetype p = 1; p + 1 < parts.size(); p += 2) {
            const QString text =
                QCoreApplication::translate(qPrintable(parts[p]), qPrintable(parts[p + 1]));
            QCOMPARE(text == parts[p + 1], language == "C"); // in the learner's language
            expected += text;
            pieces += text.split(QRegularExpression("%\\d"), Qt::SkipEmptyParts);
        }
        QVERIFY2(expected.contains('%') ? lines[i].startsWith(start) &&
                                              std::all_of(pieces.begin(), pieces.end(),
                                                          [&](const QString& piece) {
                                                              return lines[i].contains(piece);
                                                          })
                                        : lines[i] == expected,
                 qPrintable(lines[i]));
    }
}

void BrellowDlgTest::openContainingFolder() {
    QDesktopServices::setUrlHandler("file", this, "OpenedUrl");
    m_opened.clear();
    Window w;
    UiScript script; // nothing may be shown, whatever the folder
    QTest::mouseClick(w.Button("IDC_OPEN_FOLDER"), Qt::LeftButton);
    QTest::keyClicks(w.Dst(), "/tmp/no such folder");
    QTest::mouseClick(w.Button("IDC_OPEN_FOLDER"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(script.Unexpected(), QStringList());
    // An empty destination is no URL at all; the folder goes as it stands.
    QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile("/tmp/no such folder")}));
}

int main(int argc, char** argv) {
    const IsolatedSettings settings;
    CBrellowApp app(argc, argv);
    BrellowDlgTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BrellowDlgTest.moc"
