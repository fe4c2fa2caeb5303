#pragma once

#include "ui/BrellowDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

// Plays the user's part while the code under test sits in a modal loop (a
// message box, a file dialog, a popup menu) or in the job's message pump.
// Steps run in order, each once its condition holds; the check runs from a
// zero timer, so it runs inside whichever event loop is current.
class UiScript : public QObject {
public:
    UiScript();

    // Runs act once ready() holds and the steps before it have run.
    UiScript& Then(std::function<bool()> ready, std::function<void()> act);

    // Runs act on the next message box, file dialog, menu ... of type T that
    // comes on top (a popup menu, else the active modal widget).
    template <class T> UiScript& OnTop(std::function<void(T*)> act) {
        auto found = std::make_shared<QPointer<T>>();
        return Then(
            [this, found] {
                QWidget* top = Top();
                T* widget = qobject_cast<T*>(top);
                if (!widget || top == m_lastTop)
                    return false;
                m_lastTop = top;
                *found = widget;
                return true;
            },
            [found, act = std::move(act)] {
                if (*found)
                    act(found->data());
            });
    }

    bool Done() const { return m_steps.empty() && m_running == 0; }
    // Boxes, dialogs and menus that came up when no step was waiting; each was
    // closed so that nothing blocks.
    const QStringList& Unexpected() const { return m_unexpected; }

    static QWidget* Top();

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void Poll();

    QTimer m_timer;
    std::deque<Step> m_steps;
    int m_running = 0;
    QPointer<QWidget> m_lastTop;
    QStringList m_unexpected;
};

// Points the per-user settings store at a fresh folder before the
// application exists, so that no test sees another's or the user's settings.
class IsolatedSettings {
public:
    IsolatedSettings();

private:
    QTemporaryDir m_home;
};

// Empties the settings store.
void ClearSettings();

// The entry as the settings file on disk holds it, read from a copy so that
// the process's own settings cache cannot answer; invalid when missing.
QVariant StoredOnDisk(const QString& entry);

// A copy of the example recording (about 460 ADPCM blocks: the pump runs
// four times while it converts).
void CopyExample(const QString& destination);

// A copy of the example whose header claims two channels.
void WriteStereoCopy(const QString& destination);

// What a message box showed, and what the dialog looked like meanwhile.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    bool busy = false;
    int progress = -1;
    QString status;
    QStringList enabled; // the buttons that were enabled
};

// The main dialog on screen, with a source and a destination folder of its
// own, driven as a user drives it.
class Window {
public:
    // jobs: files converted side by side; 0 keeps the dialog's own count.
    explicit Window(unsigned jobs = 0);

    template <class T> T* Get(const char* name) const {
        T* child = dlg.findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QLineEdit* Src() const { return Get<QLineEdit>("IDC_SRC_PATH"); }
    QLineEdit* Dst() const { return Get<QLineEdit>("IDC_DST_PATH"); }
    QPushButton* Button(const char* name) const { return Get<QPushButton>(name); }
    QLabel* Status() const { return Get<QLabel>("IDC_STATUS"); }
    QProgressBar* Progress() const { return Get<QProgressBar>("IDC_PROGRESS"); }
    QStringList EnabledButtons() const;
    SeenBox See(QMessageBox* box) const;

    // Types the paths into the edits: by default the folders in and out.
    void Fill(const QString& source = {}, const QString& destination = {});
    // Notes each box that comes up in seen, then presses its OK.
    void AcknowledgeBoxes(UiScript& script, QList<SeenBox>& seen) const;
    // Presses Run (or button) and acknowledges what comes up; a box past the first is
    // counted too, so that a test expecting one sees the second.
    QList<SeenBox> Run(const char* button = "IDC_RUN");

    // Replaces an edit's text the way a user does: select all, then type.
    static void Retype(QLineEdit* edit, const QString& text);

    QTemporaryDir in, out;
    CBrellowDlg dlg;
};

// The dialog's buttons in tab order: all of them enabled when idle, Stop alone when busy.
extern const QStringList AllButtons;
extern const QStringList BusyButtons;
