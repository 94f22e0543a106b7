// velmora-tool against a data file that another program holds open.
#include "record/datafilelock.h"
#include "toolrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

namespace {

// The real tool in a process of its own, while this process holds the lock.
ToolRun runToolProcess(const QStringList& args) {
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + u"/velmora-tool"_qs, args);
    if (!tool.waitForFinished(60000))
        return {-1, {}, {}};
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            tool.readAllStandardOutput(), QString::fromUtf8(tool.readAllStandardError())};
}

} // namespace

TEST(ToolLock, ImportIntoAFileOpenElsewhereIsRefusedAndReadingStillWorks) {
    TempFolder dir;
    const QString csv = dir.file(u"register.csv"_qs);
    const QString into = dir.file(u"LIST.stn"_qs);
    dir.write(u"LIST.stn"_qs, {}); // an empty register: every station of the CSV is added
    ASSERT_EQ(runTool(u"export %1 --out %2"_qs.arg(kSampleRegister, csv)).status, 0);
    const QByteArray before = dir.read(u"LIST.stn"_qs);

    DataFileLock held;
    ASSERT_TRUE(held.tryLock(into));
    const ToolRun refused = runToolProcess({u"import"_qs, csv, u"--into"_qs, into});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(
        u"プロセス %1）が開いています。"_qs.arg(QCoreApplication::applicationPid())))
        << refused.err.toStdString();
    EXPECT_EQ(dir.read(u"LIST.stn"_qs), before);
    EXPECT_EQ(runToolProcess({u"dump"_qs, into}).status, 0);

    held.unlock();
    EXPECT_EQ(runToolProcess({u"import"_qs, csv, u"--into"_qs, into}).status, 0);
    EXPECT_GT(dir.read(u"LIST.stn"_qs).size(), before.size());
}
