// The names of the changes to the register, and telling a five-year extension from an overwrite.
#include "record/registeraction.h"
#include "support/samplestation.h"

#include <gtest/gtest.h>

TEST(RegisterAction, Names) {
    const std::pair<RegisterAction, const char16_t*> names[] = {
        {RegisterAction::Extend, u"5年延長 ＪＡ１ＡＢＣ"},
        {RegisterAction::CsvImport, u"CSV取り込み"},
    };
    for (const auto& [action, name] : names)
        EXPECT_EQ(actionText(action, u" ＪＡ１ＡＢＣ      "), QString::fromUtf16(name));
}

// Only the expiry moved on by five years, once or more, is an extension; a 29 February moves to
// the 28th as the dialog's button moves it.
TEST(RegisterAction, StoringAnEditedRecord) {
    const auto action = [](QDate expiry, const QString& name = QStringLiteral("山田太郎")) {
        const StationRecord old =
            sampleStation(u"ＪＡ１ＡＢＣ"_qs, u"関第1号"_qs, QDate(2024, 2, 29));
        return storeAction(old, sampleStation(u" ＪＡ１ＡＢＣ"_qs, u"関第1号"_qs, expiry, name));
    };
    EXPECT_EQ(action(QDate(2029, 2, 28)), RegisterAction::Extend);
    EXPECT_EQ(action(QDate(2034, 2, 28)), RegisterAction::Extend);
    EXPECT_EQ(action(QDate(2029, 3, 1)), RegisterAction::Overwrite);
    EXPECT_EQ(action(QDate(2024, 2, 29)), RegisterAction::Overwrite);
    EXPECT_EQ(action(QDate(2029, 2, 28), QStringLiteral("別人")), RegisterAction::Overwrite);
}
