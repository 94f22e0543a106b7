// velmora-tool's entry point: the Qt application object the command needs, then the command.
#include "tool/commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <optional>

int main(int argc, char** argv) {
    // Only drawing needs Qt Gui (fonts); reading and dumping a register starts faster without
    // it. The tool never shows a window, so it needs no display either way.
    const bool draws =
        argc > 1 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "batch") == 0);
    // Qt Gui asks for the runtime folder and warns on standard error when a cron job or a
    // container has none: a private one of our own, removed at the end, keeps the output clean.
    std::optional<QTemporaryDir> runtimeFolder;
    std::unique_ptr<QCoreApplication> app;
    if (draws) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtimeFolder.emplace();
            if (runtimeFolder->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return tool::run(QCoreApplication::arguments());
}
