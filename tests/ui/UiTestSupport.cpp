#include "UiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QtTest>

#include <utility>

UiScript::UiScript() {
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &UiScript::Poll);
    m_timer.start();
}

UiScript& UiScript::Then(std::function<bool()> ready, std::function<void()> act) {
    m_steps.push_back({std::move(ready), std::move(act)});
    return *this;
}

QWidget* UiScript::Top() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

void UiScript::Poll() {
    if (m_steps.empty()) {
        // Nothing should come up now: note it and close it, never block.
        QWidget* top = Top();
        if (top && top != m_lastTop) {
            if (auto* box = qobject_cast<QMessageBox*>(top)) {
                m_unexpected << box->windowTitle() + ": " + box->text();
                m_lastTop = top;
                QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
            } else if (qobject_cast<QMenu*>(top) || qobject_cast<QFileDialog*>(top)) {
                m_unexpected << top->metaObject()->className();
                m_lastTop = top;
                QMetaObject::invokeMethod(top, &QWidget::close, Qt::QueuedConnection);
            }
        }
        return;
    }
    if (!m_steps.front().ready())
        return;
    // The act may open a modal loop of its own; it runs from a queued call,
    // not from this timer, so that polling goes on inside that loop.
    auto act = std::move(m_steps.front().act);
    m_steps.pop_front();
    ++m_running;
    QMetaObject::invokeMethod(
        this,
        [this, act = std::move(act)] {
            act();
            --m_running;
        },
        Qt::QueuedConnection);
}

IsolatedSettings::IsolatedSettings() {
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
}

void ClearSettings() {
    QSettings settings;
    settings.clear();
    settings.sync();
}

QVariant StoredOnDisk(const QString& entry) {
    const QString file = QSettings().fileName();
    if (!QFile::exists(file))
        return {};
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("copy.conf"));
    if (!QFile::copy(file, copy))
        return {};
    const QSettings onDisk(copy, QSettings::IniFormat);
    return onDisk.value(QStringLiteral("Settings/") + entry);
}

void CopyExample(const QString& destination) {
    const QString example = QStringLiteral(BRELLOW_TEST_DATA "/example.wav");
    QFile::remove(destination);
    QVERIFY2(QFile::copy(example, destination), qPrintable(destination));
    QFile::setPermissions(destination, QFile::ReadOwner | QFile::WriteOwner);
}

void WriteStereoCopy(const QString& destination) {
    QFile source(QStringLiteral(BRELLOW_TEST_DATA "/example.wav"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    QCOMPARE(bytes.mid(12, 4), QByteArray("fmt "));
    bytes[22] = 2; // the fmt chunk's channel count
    QFile target(destination);
    QVERIFY(target.open(QIODevice::WriteOnly));
    QCOMPARE(target.write(bytes), bytes.size());
}

const QStringList AllButtons = {"IDC_RUN",         "IDOK",     "IDC_SRC_BROWSE", "IDC_DST_BROWSE",
                                "IDC_OPEN_FOLDER", "IDC_STOP", "IDC_OPTIONS"};
const QStringList BusyButtons = {"IDC_STOP"};

Window::Window(unsigned jobs) {
    if (jobs)
        dlg.m_nJobs = jobs;
    dlg.show();
}

QStringList Window::EnabledButtons() const {
    QStringList enabled;
    for (const QString& name : AllButtons)
        if (Button(qPrintable(name))->isEnabled())
            enabled << name;
    return enabled;
}

SeenBox Window::See(QMessageBox* box) const {
    return {box->windowTitle(),     box->text(),         box->icon(),
            box->standardButtons(), box->parentWidget(), dlg.m_bBusy,
            Progress()->value(),    Status()->text(),    EnabledButtons()};
}

void Window::Fill(const QString& source, const QString& destination) {
    QTest::keyClicks(Src(), source.isEmpty() ? in.path() : source);
    QTest::keyClicks(Dst(), destination.isEmpty() ? out.path() : destination);
}

void Window::AcknowledgeBoxes(UiScript& script, QList<SeenBox>& seen) const {
    script.OnTop<QMessageBox>([this, &seen](QMessageBox* box) {
        seen << See(box);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

QList<SeenBox> Window::Run(const char* button) {
    QList<SeenBox> seen;
    UiScript script;
    AcknowledgeBoxes(script, seen);
    AcknowledgeBoxes(script, seen);
    QTest::mouseClick(Button(button), Qt::LeftButton);
    return seen;
}

void Window::Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
