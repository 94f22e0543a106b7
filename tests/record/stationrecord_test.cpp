#include "record/recordstore.h"
#include "record/stationrecord.h"

#include <gtest/gtest.h>
#include <set>

TEST(StationRecord, FixedWidthAssignmentCutsAndPads) {
    StationRecord r;
    r.set(Field::CallSign, u"JA6ABC");
    EXPECT_EQ(r.text(Field::CallSign), u"JA6ABC      ");
    EXPECT_EQ(r.trimmed(Field::CallSign), u"JA6ABC");
    r.set(Field::StationAddr1, QString(60, QLatin1Char('x')));
    EXPECT_EQ(r.text(Field::StationAddr1), QString(50, QLatin1Char('x')));
    r.set(Field::HolderName, u"　山田 ");
    EXPECT_EQ(r.text(Field::HolderName), QStringLiteral(u"　山田") + QString(13, QLatin1Char(' ')));
    EXPECT_EQ(r.trimmed(Field::HolderName), u"　山田"); // a full-width space is text
    // A cut that leaves spaces at the end reads the same however it was assigned.
    const QString spaced = QStringLiteral(u"ＪＡ１ ") + QString(20, QChar(u'ｘ'));
    StationRecord viaView, viaCopy, viaMove;
    viaView.set(Field::CallSign, QStringView(spaced).first(4));
    viaCopy.set(Field::CallSign, spaced.left(4));
    QString moved = QStringLiteral(u"ＪＡ１   ");
    viaMove.set(Field::CallSign, std::move(moved));
    EXPECT_EQ(viaView, viaCopy);
    EXPECT_EQ(viaView, viaMove);
    EXPECT_EQ(viaView.text(Field::CallSign),
              QStringLiteral(u"ＪＡ１") + QString(9, QLatin1Char(' ')));
    EXPECT_EQ(viaView.trimmedView(Field::CallSign), u"ＪＡ１");
    // Records that read the same are equal, whatever padding they were given.
    StationRecord padded, bare;
    padded.set(Field::LicenceNo, QString(20, QLatin1Char(' ')));
    EXPECT_EQ(padded, bare);
    for (const FieldInfo& info : fieldTable()) {
        if (info.field != Field::ExpiryDate) {
            EXPECT_EQ(StationRecord().text(info.field), QString(info.width, QLatin1Char(' ')))
                << info.name;
            EXPECT_TRUE(StationRecord().trimmed(info.field).isEmpty()) << info.name;
        }
    }
}

TEST(StationRecord, FieldTableMatchesTheFileLayout) {
    int offset = 0;
    std::set<int> columns;
    for (const FieldInfo& info : fieldTable()) {
        EXPECT_EQ(info.fileOffset, offset) << info.name;
        offset += info.field == Field::ExpiryDate ? 8 : info.width;
        columns.insert(info.gridColumn);
        EXPECT_EQ(fieldForGridColumn(info.gridColumn), info.field);
    }
    EXPECT_EQ(offset, 449);
    EXPECT_EQ(columns.size(), 17u);
    EXPECT_EQ(*columns.begin(), 1);
    EXPECT_EQ(*columns.rbegin(), 17);
}

TEST(RecordStore, RefusesToPassTheLimit) {
    RecordStore store;
    std::vector<StationRecord> full(RecordStore::kMaxRecords);
    ASSERT_TRUE(store.load(full));
    EXPECT_TRUE(store.isFull());
    const Result appended = store.append(StationRecord());
    EXPECT_FALSE(appended);
    EXPECT_FALSE(appended.error.isEmpty());
    EXPECT_FALSE(store.extend({StationRecord()}));
    EXPECT_EQ(store.Count(), RecordStore::kMaxRecords);

    std::vector<StationRecord> tooMany(RecordStore::kMaxRecords + 1);
    RecordStore other;
    ASSERT_TRUE(other.append(StationRecord()));
    EXPECT_FALSE(other.load(tooMany));
    EXPECT_EQ(other.Count(), 1);
}
