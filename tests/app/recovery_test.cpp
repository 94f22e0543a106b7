// A crash after a change: the program is killed, started again, and offers the change back.
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

QStringList registerLines(const QString& output) {
    QStringList lines;
    for (const QString& line : output.split(u'\n')) {
        if (line.startsWith(u"station: "_qs) || line.startsWith(u"modified: "_qs))
            lines.append(line);
    }
    return lines;
}

} // namespace

TEST(CrashRecovery, AKilledProgramsChangeIsOfferedAndRestoredAtTheNextStart) {
    TempFolder program;
    std::vector<StationRecord> stations;
    for (int n = 1; n <= 3; ++n)
        stations.push_back(sampleStation(QStringLiteral("ＪＡ１ＡＡ%1").arg(n),
                                         QStringLiteral("関第%1号").arg(n), QDate(2030, n, 1)));
    const QString list = program.file(u"list.stn"_qs);
    ASSERT_TRUE(datafile::writeFile(list, stations));
    const QByteArray onDisk = program.read(u"list.stn"_qs);
    SettingsValues settings;
    settings.DataFile = list;
    ASSERT_TRUE(settingsfile::WriteSettings(program.file(u"tessaly.ini"_qs), settings));

    QProcess changed;
    changed.start(QStringLiteral(VELMORA_DRIVER_PATH), {program.path(), u"change"_qs});
    QString before;
    while (!before.contains(u"ready\n"_qs) && changed.waitForReadyRead(20000))
        before += QString::fromUtf8(changed.readAllStandardOutput());
    ASSERT_TRUE(before.contains(u"ready\n"_qs)) << before.toStdString();
    changed.kill(); // SIGKILL: no closing sequence, no save
    ASSERT_TRUE(changed.waitForFinished());

    QProcess again;
    again.start(QStringLiteral(VELMORA_DRIVER_PATH), {program.path(), u"start"_qs});
    ASSERT_TRUE(again.waitForFinished(20000));
    const QString after = QString::fromUtf8(again.readAllStandardOutput());
    EXPECT_TRUE(after.contains(u"question: 前回保存されなかった変更があります（"_qs))
        << after.toStdString();
    EXPECT_EQ(registerLines(after), registerLines(before));
    EXPECT_EQ(registerLines(after).size(), 3); // two stations and the mark
    EXPECT_EQ(program.read(u"list.stn"_qs), onDisk);
}
