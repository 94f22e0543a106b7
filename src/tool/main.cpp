#include "tool/commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // Only drawing needs Qt Gui (fonts); reading and dumping a register starts faster without
    // it. The tool never shows a window, so it needs no display either way.
    const bool draws =
        argc > 1 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "batch") == 0);
    std::unique_ptr<QCoreApplication> app;
    if (draws) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return tool::run(QCoreApplication::arguments());
}
