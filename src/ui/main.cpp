#include "ui/BrellowApp.h"

int main(int argc, char** argv) {
    CBrellowApp app(argc, argv);
    return app.InitInstance();
}
