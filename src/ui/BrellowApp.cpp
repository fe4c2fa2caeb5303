#include "ui/BrellowApp.h"

#include "BrellowVersion.h"
#include "pause/MessagePump.h"
#include "ui/BrellowDlg.h"

#include <QFileInfo>
#include <QIcon>

#include <utility>

CBrellowApp::CBrellowApp(int& argc, char** argv) : QApplication(argc, argv) {
    Q_INIT_RESOURCE(brellow);

    setOrganizationName(QStringLiteral(BRELLOW_COMPANY));
    // Named after the program file, so a renamed copy keeps its own settings.
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
    setApplicationVersion(QStringLiteral(BRELLOW_VERSION));
    // No display name: the window system would add it to every title, and the
    // message boxes' captions are to read exactly "Error", "Info" and so on.
    // Lets Wayland desktops match the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral(BRELLOW_APP_ID));

    QIcon icon;
    for (const int size : {256, 128, 64, 48, 32, 24, 16})
        icon.addFile(QStringLiteral(":/icons/brellow-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

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
