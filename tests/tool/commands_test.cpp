// velmora-tool as a whole: help, files it must not read to the end, a quiet standard error, and
// a data file another program holds open.
#include "record/datafilelock.h"
#include "toolrun.h"

#include <QCoreApplication>
#include <QRegularExpression>

TEST(Commands, HelpGoesToStandardOutputAndSucceeds) {
    const QStringList commands = {"dump", "render", "due", "batch", "calendar", "export", "import"};
    // The manual page documents every command and every option that the help lists.
    QFile manual(QStringLiteral(VELMORA_SOURCE_DIR "/packaging/velmora-tool.1"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll()).replace(u"\\-"_qs, u"-"_qs);
    static const QRegularExpression option(u"--[a-z-]+"_qs);
    const ToolRun overview = runTool(u"--help"_qs);
    EXPECT_EQ(overview.status, 0);
    EXPECT_TRUE(overview.err.isEmpty());
    for (const QString& command : commands) {
        EXPECT_TRUE(overview.out.contains("  " + command.toUtf8() + ' ')) << qPrintable(command);
        for (const QString& asked : {u"%1 --help"_qs, u"%1 x.stn -h"_qs}) {
            const ToolRun help = runTool(asked.arg(command));
            EXPECT_EQ(help.status, 0) << qPrintable(command);
            EXPECT_TRUE(help.out.startsWith("usage: velmora-tool " + command.toUtf8() + ' '));
            EXPECT_TRUE(help.err.isEmpty());
            for (const QRegularExpressionMatch& m : option.globalMatch(QString::fromUtf8(help.out)))
                EXPECT_TRUE(page.contains(m.captured())) << qPrintable(m.captured());
        }
        EXPECT_TRUE(page.contains(u".B velmora-tool "_qs + command)) << qPrintable(command);
    }
    // A mistake still shows the usage on standard error.
    const ToolRun wrong = runTool(u"frobnicate"_qs);
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.startsWith(u"usage: velmora-tool COMMAND"_qs));
}

TEST(Commands, ADeviceThatNeverEndsIsRefusedAsTooLarge) {
    TempFolder folder;
    const QString into = folder.file(u"list.stn"_qs);
    for (const QString& line :
         {u"import /dev/zero --into %1"_qs.arg(into),
          u"render %1 --record 1 --doc return --out %2/x.png --settings /dev/zero"_qs.arg(
              kSampleRegister, folder.path())}) {
        const ToolRun run = runTool(line);
        EXPECT_EQ(run.status, 1) << qPrintable(line);
        EXPECT_TRUE(run.err.startsWith(u"ファイルが大きすぎます。\n/dev/zero"_qs))
            << qPrintable(run.err);
    }
    EXPECT_FALSE(QFile::exists(into));
}

TEST(Commands, DrawingWithoutARuntimeFolderWarnsOfNothing) {
    TempFolder folder;
    const auto noRuntimeFolder = [](QProcess& tool) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"XDG_RUNTIME_DIR"_qs);
        environment.remove(u"QT_QPA_PLATFORM"_qs);
        tool.setProcessEnvironment(environment);
    };
    const QString line = u"render %1 --record 1 --doc return --out %2/x.png"_qs;
    const ToolRun run =
        runToolProcess(line.arg(kSampleRegister, folder.path()).split(u' '), noRuntimeFolder);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, QString());
}

TEST(Commands, AFullDiskOnStandardOutputIsReportedInJapanese) {
    for (const QStringList& args :
         {QStringList{u"dump"_qs, kSampleRegister}, QStringList{u"due"_qs, kSampleRegister},
          QStringList{u"--help"_qs}}) {
        const ToolRun run = runToolProcess(
            args, [](QProcess& tool) { tool.setStandardOutputFile(u"/dev/full"_qs); });
        EXPECT_EQ(run.status, 1) << qPrintable(args.first());
        EXPECT_EQ(run.err, u"ディスクの空き容量が足りません。\n標準出力\n"_qs);
    }
}

// The real tool runs in a process of its own while this process holds the lock.
TEST(Commands, ImportIntoAFileOpenElsewhereIsRefusedAndReadingStillWorks) {
    TempFolder dir;
    const QString csv =
        dir.write(u"new.csv"_qs, u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO)\r\n"
                                 u"ＪＡ９ＺＺＺ,近第9号,2030-01-01\r\n"_qs.toUtf8());
    const QString into = dir.file(u"LIST.stn"_qs);
    ASSERT_TRUE(QFile::copy(kSampleRegister, into));
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
}
