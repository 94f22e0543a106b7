// Finding stations in the grid: by text over each field, by renewal state, and the mapping
// of rows back to the register.
#include "mainwin/recordgridmodel.h"
#include "mainwin/stationfilter.h"
#include "support/samplestation.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

using StateFilter = StationFilterModel::StateFilter;

const QDate kDay(2026, 6, 1);

class StationFilterTest : public testing::Test {
protected:
    // Station n (1-based) has the call sign ＪＡ１ＡＡn.
    void load(std::vector<StationRecord> records) { ASSERT_TRUE(store.load(std::move(records))); }
    static StationRecord station(int n, QDate expiry = QDate(2030, 1, 1)) {
        return sampleStation(QStringLiteral("ＪＡ１ＡＡ%1").arg(n),
                             QStringLiteral("関第%1号").arg(n), expiry);
    }
    // The record numbers of the rows shown, in view order.
    std::vector<int> shown() const {
        std::vector<int> rows;
        for (int r = 0; r < filter.rowCount(); ++r)
            rows.push_back(filter.storeRow(r));
        return rows;
    }

    RecordStore store;
    RecordGridModel grid{store};
    StationFilterModel filter{grid, store};
};

} // namespace

// Each searched field finds the one station that holds the text, whatever its width and kana;
// the station type and the telephone number are not searched.
TEST_F(StationFilterTest, FindsTheStationHoldingTheTextInEachSearchedField) {
    const std::tuple<Field, const char16_t*, const char16_t*, bool> cases[] = {
        {Field::CallSign, u"ＪＲ６ＸＹＺ", u"jr6xyz", true},
        {Field::LicenceNo, u"九第７７７７号", u"7777", true},
        {Field::HolderName, u"佐藤花子", u"佐藤", true},
        {Field::HolderKana, u"ｻﾄｳ ﾊﾅｺ", u"さとう　はなこ", true},
        {Field::ClubName, u"ＪＡＲＬ西クラブ", u"jarl西", true},
        {Field::ClubKana, u"ﾆｼｸﾗﾌﾞ", u"ニシクラブ", true},
        {Field::ApplicantName, u"鈴木一郎", u"鈴木一", true},
        {Field::ApplicantKana, u"ｽｽﾞｷ", u"すずき", true},
        {Field::StationZip, u"９９９-０００１", u"999-0001", true},
        {Field::StationAddr2, u"２－３", u"九段南1-2-12-3", true},
        {Field::ApplicantAddr1, u"札幌市北区", u"札幌", true},
        {Field::ApplicantAddr2, u"第２ビル", u"第2ビル", true},
        {Field::ApplicantZip, u"０６０-０８０８", u"060-0808", true},
        {Field::StationType, u"移動局", u"移動", false},
        {Field::ApplicantTel, u"099-999-9999", u"999-9999", false}};
    for (const auto& [field, stored, query, found] : cases) {
        std::vector<StationRecord> records = {station(1), station(2), station(3)};
        records[1].set(field, QString::fromUtf16(stored));
        load(records);
        filter.setSearchText(QString::fromUtf16(query));
        EXPECT_EQ(shown(), found ? std::vector<int>{2} : std::vector<int>{})
            << QString::fromUtf16(query).toStdString();
    }
}

// The state filter on a fixed day: 申請受付中 includes the stations whose window closes soon;
// a station without a readable expiry shows only under 全て.
TEST_F(StationFilterTest, FiltersByTheStateOfTheRenewalWindowOnTheDay) {
    StationRecord noDate = station(6);
    noDate.ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    load({station(1, kDay.addYears(1)), station(2, kDay.addMonths(3)),
          station(3, kDay.addMonths(1).addDays(5)), station(4, kDay.addDays(10)),
          station(5, kDay.addDays(-1)), noDate});
    filter.setDay(kDay);
    const std::pair<StateFilter, std::vector<int>> cases[] = {
        {StateFilter::Upcoming, {1}}, {StateFilter::Open, {2, 3}},
        {StateFilter::Closing, {3}},  {StateFilter::Missed, {4}},
        {StateFilter::Expired, {5}},  {StateFilter::All, {1, 2, 3, 4, 5, 6}}};
    for (const auto& [state, rows] : cases) {
        filter.setStateFilter(state);
        EXPECT_EQ(shown(), rows) << StationFilterModel::stateFilterLabel(state).toStdString();
    }
    // Both filters at once; another day moves the states.
    filter.setStateFilter(StateFilter::Open);
    filter.setSearchText(u"ja1aa3"_qs);
    EXPECT_EQ(shown(), std::vector<int>{3});
    filter.setDay(kDay.addDays(6));
    EXPECT_EQ(shown(), std::vector<int>{});
    filter.setStateFilter(StateFilter::Missed);
    EXPECT_EQ(shown(), std::vector<int>{3});
}

// Filtering leaves the register, its order, numbers and colours alone; rows map both ways
// and the row header still shows the record's own number.
TEST_F(StationFilterTest, MapsRowsWithoutChangingTheRegister) {
    load({station(1), station(2), station(3), station(4)});
    store.remove(2); // the numbers now have a gap: 1, 3, 4
    store.setColour(3, 0x0000FF00u);
    const std::vector<StationRecord> records = store.records();
    filter.setSearchText(u"ＪＡ１ＡＡ4"_qs);
    ASSERT_EQ(shown(), std::vector<int>{3});
    EXPECT_EQ(filter.headerData(0, Qt::Vertical).toString(), u"4"_qs);
    EXPECT_EQ(filter.proxyRow(3), 0);
    EXPECT_EQ(filter.proxyRow(1), -1);
    EXPECT_EQ(filter.storeRow(1), 0);
    EXPECT_EQ(store.records(), records);
    EXPECT_EQ(store.colour(3), 0x0000FF00u);
    filter.setSearchText(u" "_qs);
    EXPECT_FALSE(filter.isFiltering());
    EXPECT_EQ(shown(), (std::vector<int>{1, 2, 3}));
}

// The cached texts follow the register: a replaced record, a new register, an empty one (whose
// blank row shows only while nothing is filtered).
TEST_F(StationFilterTest, FollowsChangesOfTheRegister) {
    load({station(1), station(2)});
    filter.setSearchText(u"ﾀﾅｶ"_qs);
    EXPECT_EQ(shown(), std::vector<int>{});
    StationRecord renamed = station(2);
    renamed.set(Field::HolderKana, u"タナカ");
    store.replace(2, renamed);
    EXPECT_EQ(shown(), std::vector<int>{2});
    load({renamed, station(3), renamed});
    EXPECT_EQ(shown(), (std::vector<int>{1, 3}));
    store.clear();
    EXPECT_EQ(filter.rowCount(), 0);
    filter.setSearchText({});
    EXPECT_EQ(shown(), std::vector<int>{0});
}
