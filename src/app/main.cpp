// The program entry: the application, the main window, the message loop.

#include "catalogue/uMain.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    QApplication::setApplicationName("autoparts");
    QApplication::setApplicationDisplayName("Автозапчасти");
    int code = 0;
    {
        TfrmMain window;
        window.show();
        code = app.exec();
    }
    return code;
}
