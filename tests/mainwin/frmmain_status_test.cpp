#include "mainwindowfixture.h"

#include <QLabel>

// The status line follows the register and the day. Today is 2024-04-01.
TEST_F(MainWindowTest, StatusLineFollowsTheRegisterAndTheDay) {
    const QString file = writeRegister(
        u"list.stn"_qs, {stations::make(u"ＪＡ１ＡＡＡ"_qs, u"関第1号"_qs, QDate(2024, 5, 31)),
                         stations::make(u"ＪＡ２ＢＢＢ"_qs, u"関第2号"_qs, QDate(2024, 5, 10)),
                         stations::make(u"ＪＡ３ＣＣＣ"_qs, u"関第3号"_qs, QDate(2024, 4, 20))});
    auto window = startWith(file);
    // Open (closes 4月30日), closing (closes 4月10日), missed.
    EXPECT_EQ(window->Label1->text(),
              u"申請受付中 2局（締切14日以内 1局・最も近い締切 令和6年4月10日）　締切超過 1局"_qs);

    // A record deleted (the missed one, first in the program's order).
    window->DelGrid2Mem(1);
    EXPECT_EQ(window->Label1->text(),
              u"申請受付中 2局（締切14日以内 1局・最も近い締切 令和6年4月10日）"_qs);

    // A record changed in place.
    StationRecord renewed = state.store.record(1);
    renewed.setExpiry(QDate(2029, 5, 10));
    state.store.replace(1, renewed);
    EXPECT_EQ(window->Label1->text(),
              u"申請受付中 1局（締切14日以内 0局・最も近い締切 令和6年4月30日）"_qs);

    // A new day, as the colours are checked again.
    clock.set(QDate(2024, 5, 1));
    window->LimitCheck();
    EXPECT_EQ(window->Label1->text(), u"申請受付中 0局　締切超過 1局"_qs);

    // Nothing to tell about an empty register.
    window->DelGrid2Mem(1);
    window->DelGrid2Mem(1);
    EXPECT_TRUE(window->Label1->text().isEmpty());
}
