#include "tool/commands.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    // Fonts and drawing need Qt Gui; the tool never shows a window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return tool::run(app.arguments());
}
