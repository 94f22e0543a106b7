#include "record/recordstore.h"
#include "record/stationrecord.h"

#include <gtest/gtest.h>
#include <set>

TEST(StationRecord, FixedWidthAssignmentCutsAndPads) {
    StationRecord r;
    r.set(Field::CallSign, u"JA6ABC");
    EXPECT_EQ(r.CallSign, u"JA6ABC      ");
    EXPECT_EQ(r.trimmed(Field::CallSign), u"JA6ABC");
    r.set(Field::StationAddr1, QString(60, QLatin1Char('x')));
    EXPECT_EQ(r.StationAddr1, QString(50, QLatin1Char('x')));
    r.set(Field::HolderName, u"　山田 ");
    EXPECT_EQ(r.trimmed(Field::HolderName), u"　山田"); // a full-width space is text
    for (const FieldInfo& info : fieldTable()) {
        if (info.field != Field::ExpiryDate) {
            EXPECT_EQ(StationRecord().text(info.field).size(), info.width) << info.name;
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
