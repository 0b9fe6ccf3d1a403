#include "shell/Appearance.h"
#include "shell/Services.h"
#include "shell/SingleInstance.h"
#include "shell/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SingleInstance instance;
    if (!instance.acquire()) {
        return 0; // another copy runs: end at once, touching nothing
    }
    applyAppearance(app);
    frmMain window(Services::real());
    window.Form_Load();
    window.show();
    return app.exec();
}
