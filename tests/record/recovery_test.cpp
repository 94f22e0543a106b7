#include "record/fingerprint.h"
#include "record/recordstore.h"
#include "record/recovery.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QDateTime kNoon(QDate(2026, 5, 1), QTime(12, 0));

void setModified(const QString& path, const QDateTime& time) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

std::vector<StationRecord> twoStations() {
    StationRecord blank;
    return {sampleStation(u"ＪＡ１ＡＢＣ"_qs, u"関第1号"_qs, QDate(2027, 3, 31)), blank};
}

} // namespace

TEST(Fingerprint, OnlyOtherBytesOrAnotherExistenceCountAsChange) {
    TempFolder dir;
    const QString file = dir.write(u"LIST.stn"_qs, "abcd");
    const FileFingerprint opened = FileFingerprint::of(file);
    EXPECT_FALSE(changedOnDisk(file, opened));
    setModified(file, kNoon); // touched, same bytes
    EXPECT_FALSE(changedOnDisk(file, opened));
    dir.write(u"LIST.stn"_qs, "abce");
    setModified(file, kNoon.addSecs(1)); // a write within the clock's tick keeps its time
    EXPECT_TRUE(changedOnDisk(file, opened));
    dir.write(u"LIST.stn"_qs, "abcd!");
    EXPECT_TRUE(changedOnDisk(file, opened));
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_TRUE(changedOnDisk(file, opened));

    const FileFingerprint never = FileFingerprint::of(file);
    EXPECT_FALSE(never.exists);
    EXPECT_FALSE(changedOnDisk(file, never));
    dir.write(u"LIST.stn"_qs, "");
    EXPECT_TRUE(changedOnDisk(file, never));
}

TEST(Recovery, RoundTripOfferedOnlyWhileNewerThanItsDataFile) {
    TempFolder program, data;
    const QString dataFile = data.write(u"LIST.stn"_qs, "");
    ASSERT_TRUE(writeRecovery(program.path(), dataFile, twoStations()));
    EXPECT_EQ(loadRecovery(program.path(), dataFile).records, twoStations());

    const std::optional<FoundRecovery> found = findRecovery(program.path(), dataFile);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dataFile, dataFile);
    setModified(found->path, kNoon);
    setModified(dataFile, kNoon.addSecs(1)); // saved after the copy was made
    EXPECT_TRUE(listRecoveries(program.path()).empty());
    setModified(dataFile, kNoon.addSecs(-1));
    ASSERT_EQ(listRecoveries(program.path()).size(), 1u);
    EXPECT_EQ(listRecoveries(program.path())[0].dataFile, dataFile);
    ASSERT_TRUE(QFile::remove(dataFile)); // gone: the copy is all there is
    EXPECT_TRUE(findRecovery(program.path(), dataFile));
    EXPECT_FALSE(findRecovery(program.path(), data.file(u"OTHER.stn"_qs)));

    ASSERT_TRUE(removeRecovery(program.path(), dataFile));
    EXPECT_FALSE(findRecovery(program.path(), dataFile));
    EXPECT_TRUE(QDir(program.file(u"Recovery"_qs)).isEmpty());
    EXPECT_TRUE(removeRecovery(program.path(), dataFile)); // nothing left to remove
}

TEST(Recovery, WriterKeepsTheCopyUntilSavedOrDiscarded) {
    TempFolder program, data;
    RecordStore store;
    store.DataFile = data.file(u"A.stn"_qs);
    RecoveryWriter writer(program.path(), store);
    ASSERT_TRUE(store.load(twoStations()));
    writer.changed();
    ASSERT_TRUE(writer.flush()); // a register opened and not changed is not kept
    EXPECT_FALSE(findRecovery(program.path(), store.DataFile));
    store.Modified = 1;
    writer.changed();
    EXPECT_TRUE(writer.pending());
    ASSERT_TRUE(writer.flush());
    EXPECT_FALSE(writer.pending());
    EXPECT_EQ(loadRecovery(program.path(), store.DataFile).records, twoStations());

    // Saved under a new name: neither name keeps a copy.
    const QString oldName = store.DataFile;
    store.DataFile = data.file(u"B.stn"_qs);
    writer.changed();
    ASSERT_TRUE(writer.flush());
    writer.changed(); // a change just before the save waits no more
    writer.saved();
    EXPECT_FALSE(writer.pending());
    EXPECT_FALSE(findRecovery(program.path(), oldName));
    EXPECT_FALSE(findRecovery(program.path(), store.DataFile));

    store.DataFile.clear(); // a register never saved
    writer.changed();
    ASSERT_TRUE(writer.flush());
    EXPECT_TRUE(findRecovery(program.path(), QString()));
    writer.changed();
    writer.discarded();
    EXPECT_FALSE(writer.pending());
    EXPECT_FALSE(findRecovery(program.path(), QString()));
}
