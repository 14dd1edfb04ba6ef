#include <QApplication>

#include "gui/app/Application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(ferrovane);
    return ferrovane::gui::RunFerrovane(app);
}
