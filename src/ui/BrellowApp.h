#pragma once

#include "ui/Translations.h"

#include <QApplication>

#include <functional>

// The application object: names the settings location after the company and
// the program file, speaks the desktop's language, installs the message pump,
// and runs the main dialog.
class CBrellowApp : public QApplication {
public:
    CBrellowApp(int& argc, char** argv);
    ~CBrellowApp() override;
    CBrellowApp(const CBrellowApp&) = delete;
    CBrellowApp& operator=(const CBrellowApp&) = delete;

    // Runs the main dialog modally; the program ends when it does.
    int InitInstance();

private:
    CTranslations m_translations;
    std::function<void()> m_previousPump;
};
