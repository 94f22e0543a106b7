#pragma once

#include "support/tempfolder.h"
#include "tool/commands.h"

#include <QFile>
#include <QRegularExpression>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

const QString kSampleRegister = QStringLiteral(VELMORA_TEST_DATA "/sample-register.stn");

struct ToolRun {
    int status;
    QByteArray out;
    QString err;
};

// Runs one velmora-tool command in this process. What it writes to stdout goes to stdoutPath
// (a temporary file when empty) and is read back; stderr is captured as text.
inline ToolRun runTool(const QStringList& args, const QString& stdoutPath = {}) {
    const TempFolder folder;
    QFile capture(stdoutPath.isEmpty() ? folder.file(u"out"_qs) : stdoutPath);
    if (!capture.open(QIODevice::WriteOnly))
        return {-1, {}, {}};
    std::fflush(stdout);
    const int saved = ::dup(1);
    ::dup2(capture.handle(), 1);
    testing::internal::CaptureStderr();
    const int status = tool::run(QStringList{u"velmora-tool"_qs} + args);
    const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
    std::fflush(stdout);
    std::clearerr(stdout);
    ::dup2(saved, 1);
    ::close(saved);
    return {status, folder.read(u"out"_qs), err};
}

inline int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(u"/Type\\s*/Page[^s]"_qs);
    return int(QString::fromLatin1(pdf).count(page));
}
