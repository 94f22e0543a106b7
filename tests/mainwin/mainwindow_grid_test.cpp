#include "mainwin/recordgridmodel.h"
#include "mainwindowfixture.h"

#include "record/gridcolumns.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <limits>

namespace {

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

// Through a sort the view keeps its current row and scroll place; deleting the rows below moves
// the current row up to the last one left. The cells, the header row and the corner all act on
// the current row, never on the row under the pointer: the right button asks whether to print
// it, a double-click edits it.
TEST_F(MainWindowTest, TheMouseActsOnTheCurrentRowThatTheViewKeeps) {
    auto window = startWith(writeRegister(u"list.stn"_qs, numbered(200)));
    window->show();
    QTableView* grid = window->recordGrid;
    grid->selectRow(120);
    grid->verticalScrollBar()->setValue(100);
    const int scrolled = grid->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    window->sortByExpiry();
    window->colourByExpiry();
    EXPECT_EQ(window->currentRow(), 121);
    EXPECT_EQ(grid->verticalScrollBar()->value(), scrolled);
    for (int i = 0; i < 100; ++i)
        window->deleteRecord(state.store.Count());
    EXPECT_EQ(window->currentRow(), 100);

    const QPoint above(20, 5);
    ASSERT_NE(grid->indexAt(above).row(), 99);
    auto* corner = grid->findChild<QAbstractButton*>();
    ASSERT_NE(corner, nullptr);
    const std::vector<std::pair<QWidget*, QPoint>> areas = {
        {grid->viewport(), above},
        {grid->horizontalHeader()->viewport(), grid->horizontalHeader()->rect().center()},
        {corner, corner->rect().center()}};
    for (const auto& [area, at] : areas) {
        opened.clear();
        prompter.nextAnswer(Prompter::Answer::Yes);
        sendMouse(area, QEvent::MouseButtonPress, Qt::RightButton, at);
        sendMouse(area, QEvent::MouseButtonRelease, Qt::RightButton, at);
        EXPECT_TRUE(prompter.lastMessage()->text.startsWith(u"ＪＡ１ＡＡ10\r\n関第100号"_qs));

        sendMouse(area, QEvent::MouseButtonDblClick, Qt::LeftButton, at);
        EXPECT_EQ(state.store.CurrentIndex, 100);
        EXPECT_EQ(opened, (std::vector<std::string>{"print", "edit"}));
    }
    // No opens nothing.
    prompter.nextAnswer(Prompter::Answer::No);
    window->gridRightReleased();
    EXPECT_EQ(opened.size(), 2u);
}

// Start-up opens the last data file sorted and coloured; the colours and the status line follow
// the register and the day. A screen reader finds the grid by its name, the seventeen captions
// as column headers and each number once, as its row's header, which tells how its expiry
// stands (worked out by the model: see ExpiryDescription) on the day of the colours.
TEST_F(MainWindowTest, StartUpOpensTheLastFileAndANewDayRecoloursIt) {
    const QString path = writeRegister(
        u"list.stn"_qs, {sampleStation(u"ＪＡ１ＡＡＡ"_qs, u"関第1号"_qs, QDate(2024, 5, 2)),
                         sampleStation(u"ＪＡ２ＢＢＢ"_qs, u"関第2号"_qs, QDate(2024, 5, 10)),
                         sampleStation(u"ＪＡ３ＣＣＣ"_qs, u"関第3号"_qs, QDate(2024, 4, 20))});
    state.print.PrepayAnswer = 1;
    auto window = startWith(path);
    EXPECT_EQ(state.print.PrepayAnswer, 0);
    const QAbstractItemModel* model = window->recordGrid->model();
    auto colour = [model](int row) {
        return model->data(model->index(row - 1, 4), Qt::BackgroundRole).value<QColor>();
    };
    EXPECT_EQ(cell(*window, 1, 1), u"ＪＡ３ＣＣＣ"_qs);
    EXPECT_EQ(colour(2), QColor(255, 0, 0)); // 31 days left
    EXPECT_EQ(statusLine(*window),
              u"申請受付中 2局（締切14日以内 2局・最も近い締切 令和6年4月2日）　締切超過 1局"_qs);

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window->recordGrid);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->text(QAccessible::Name), u"局の一覧"_qs);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columnCount(), kGridColumnCount - 1);
    for (int column = 0; column < table->columnCount(); ++column)
        EXPECT_EQ(table->columnDescription(column), columnHeader(column + 1));
    // The children run row by row, each led by its header; the header row comes first.
    QAccessibleInterface* header = grid->child(2 * (table->columnCount() + 1));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->role(), QAccessible::RowHeader);
    EXPECT_EQ(header->text(QAccessible::Name), u"2"_qs);
    EXPECT_EQ(header->text(QAccessible::Description), u"期限まで 31 日（締切間近）"_qs);
    QAccessibleInterface* first = table->cellAt(0, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(QAccessible::Name), u"ＪＡ３ＣＣＣ"_qs);

    // Ten days on: 21 days left (magenta), and every deadline has passed.
    clock.set(QDate(2024, 4, 11));
    EXPECT_EQ(header->text(QAccessible::Description), u"期限まで 31 日（締切間近）"_qs);
    window->newDayCheck();
    EXPECT_EQ(colour(2), QColor(255, 0, 255));
    EXPECT_EQ(header->text(QAccessible::Description), u"期限まで 21 日（締切超過）"_qs);
    EXPECT_EQ(statusLine(*window), u"申請受付中 0局　締切超過 3局"_qs);
}

// Today 2024-04-01 is day 45383 (days since 30 December 1899).
TEST(ExpiryDescription, TellsTheDaysLeftAndTheApplicationWindow) {
    const std::pair<double, const char16_t*> cases[] = {
        {45383 + 305, u"期限まで 305 日（受付前）"},
        {45383 + 0.75, u"期限まで 0 日（締切超過）"},
        {45383 - 12, u"期限切れ（12 日経過）"},
        {std::numeric_limits<double>::quiet_NaN(), u"期間なし"}};
    for (const auto& [expiry, text] : cases) {
        RecordStore store;
        RecordGridModel model(store);
        StationRecord record;
        record.ExpiryDate = expiry;
        ASSERT_TRUE(store.load({record}));
        EXPECT_TRUE(model.expiryDescription(1).isEmpty()); // no day yet
        model.setDay(QDate(2024, 4, 1));
        const QString description = QString::fromUtf16(text);
        EXPECT_EQ(model.headerData(0, Qt::Vertical, Qt::AccessibleDescriptionRole), description);
        EXPECT_EQ(model.data(model.index(0, 0), Qt::AccessibleDescriptionRole), description);
        EXPECT_FALSE(model.data(model.index(0, 1), Qt::AccessibleDescriptionRole).isValid());
    }
}
