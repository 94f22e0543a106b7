#include "record/stationrecord.h"

#include <gtest/gtest.h>

TEST(StationRecord, FixedWidthAssignmentCutsAndPads) {
    StationRecord r;
    r.set(Field::StationAddr1, QString(60, QLatin1Char('x')));
    EXPECT_EQ(r.text(Field::StationAddr1), QString(50, QLatin1Char('x')));
    r.set(Field::HolderName, u"　山田 ");
    EXPECT_EQ(r.trimmed(Field::HolderName), u"　山田"); // a full-width space is text
    // A view of the record's own text, cut so that spaces end it.
    r.set(Field::LicenceNo, QStringView(r.text(Field::StationAddr1)).first(3));
    r.set(Field::ClubName, r.unpadded(Field::HolderName).first(1));
    EXPECT_EQ(r.unpadded(Field::LicenceNo), u"xxx");
    EXPECT_EQ(r.text(Field::ClubName), QStringLiteral(u"　") + QString(49, QLatin1Char(' ')));
    // Records that read the same are equal, whatever padding they were given.
    StationRecord padded;
    padded.set(Field::ApplicantTel, QString(15, QLatin1Char(' ')));
    EXPECT_EQ(padded, StationRecord());
}
