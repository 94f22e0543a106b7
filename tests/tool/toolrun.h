#pragma once

#include "print/core/bureaufile.h"
#include "support/output.h"
#include "support/tempfolder.h"
#include "tool/commands.h"

#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

const QString kSampleRegister = QStringLiteral(VELMORA_TEST_DATA "/sample-register.stn");
const QString kBureauFile = QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName();

struct ToolRun {
    int status;
    QByteArray out;
    QString err;
};

// Runs one velmora-tool command in this process and captures what it prints.
inline ToolRun runTool(const QStringList& args) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = tool::run(QStringList{u"velmora-tool"_qs} + args);
    return {status, QByteArray::fromStdString(testing::internal::GetCapturedStdout()),
            QString::fromStdString(testing::internal::GetCapturedStderr())};
}

// The same with the arguments in one line, split at spaces.
inline ToolRun runTool(const QString& line) {
    return runTool(line.split(u' '));
}

// The built tool in a process of its own, after prepare has set its environment or output.
inline ToolRun runToolProcess(const QStringList& args,
                              const std::function<void(QProcess&)>& prepare = {}) {
    QProcess tool;
    if (prepare)
        prepare(tool);
    tool.start(QStringLiteral(VELMORA_TOOL_PATH), args);
    if (!tool.waitForFinished(60000))
        return {-1, {}, {}};
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            tool.readAllStandardOutput(), QString::fromUtf8(tool.readAllStandardError())};
}
