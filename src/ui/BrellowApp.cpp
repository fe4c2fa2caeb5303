#include "ui/BrellowApp.h"

#include "BrellowVersion.h"
#include "pause/MessagePump.h"
#include "ui/BrellowDlg.h"

#include <QFileInfo>
#include <QLocale>

#include <clocale>
#include <utility>

CBrellowApp::CBrellowApp(int& argc, char** argv)
    : QApplication(argc, argv), m_translations(QLocale::system().uiLanguages()) {
    Q_INIT_RESOURCE(brellow);
    // Qt has set the C library to the desktop's locale; numbers in the options
    // are read as the terminal reads them, with a point whatever the language.
    std::setlocale(LC_NUMERIC, "C");

    setOrganizationName(QStringLiteral(BRELLOW_COMPANY));
    // Named after the program file, so a renamed copy keeps its own settings.
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
    setApplicationVersion(QStringLiteral(BRELLOW_VERSION));
    // No display name: the window system would add it to every title, and the
    // message boxes' captions are to read exactly "Error", "Info" and so on.
    // Lets Wayland desktops match the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral(BRELLOW_APP_ID));

    setWindowIcon(CBrellowDlg::LoadIcon());

    // The conversion lets the window's events run every 100 blocks.
    m_previousPump = SetMessagePump([] { QCoreApplication::processEvents(); });
}

CBrellowApp::~CBrellowApp() {
    SetMessagePump(std::move(m_previousPump));
}

int CBrellowApp::InitInstance() {
    CBrellowDlg dialog;
    dialog.exec();
    return 0;
}
