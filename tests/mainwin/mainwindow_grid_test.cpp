#include "mainwin/recordgridmodel.h"
#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

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
    QTableView* grid = window->Grid1;
    grid->selectRow(120);
    grid->verticalScrollBar()->setValue(100);
    const int scrolled = grid->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    window->sortByExpiry();
    window->colourByExpiry();
    EXPECT_EQ(window->currentRow(), 121);
    EXPECT_EQ(grid->currentIndex().row(), 120);
    EXPECT_EQ(grid->verticalScrollBar()->value(), scrolled);
    for (int i = 0; i < 100; ++i)
        window->deleteRecord(state.store.Count());
    EXPECT_EQ(window->currentRow(), 100);
    EXPECT_EQ(grid->currentIndex().row(), 99);

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
        window->Timer1->start();
        prompter.nextAnswer(Prompter::Answer::Yes);
        sendMouse(area, QEvent::MouseButtonPress, Qt::RightButton, at);
        EXPECT_EQ(state.print.PrintRecordIndex, 100);
        sendMouse(area, QEvent::MouseButtonRelease, Qt::RightButton, at);
        EXPECT_FALSE(window->countdownRunning());
        EXPECT_EQ(prompter.lastMessage()->text, u"ＪＡ１ＡＡ10\r\n関第100号\r\n令和15年04月30日\r\n"
                                                u"再免許申請書を印刷しますか？"_qs);
        EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::YesNo);

        window->Timer1->start();
        sendMouse(area, QEvent::MouseButtonDblClick, Qt::LeftButton, at);
        EXPECT_FALSE(window->countdownRunning());
        EXPECT_EQ(state.store.CurrentIndex, 100);
        EXPECT_EQ(opened, (std::vector<std::string>{"print", "edit"}));
    }
    // No opens nothing.
    prompter.nextAnswer(Prompter::Answer::No);
    window->gridRightReleased();
    EXPECT_EQ(opened.size(), 2u);
}

// Start-up opens the last data file sorted and coloured; the colours and the status line follow
// the register and the day.
TEST_F(MainWindowTest, StartUpOpensTheLastFileAndANewDayRecoloursIt) {
    const QString path = writeRegister(
        u"list.stn"_qs, {sampleStation(u"ＪＡ１ＡＡＡ"_qs, u"関第1号"_qs, QDate(2024, 5, 2)),
                         sampleStation(u"ＪＡ２ＢＢＢ"_qs, u"関第2号"_qs, QDate(2024, 5, 10)),
                         sampleStation(u"ＪＡ３ＣＣＣ"_qs, u"関第3号"_qs, QDate(2024, 4, 20))});
    state.print.PrepayAnswer = 1;
    auto window = startWith(path);
    EXPECT_EQ(state.print.PrepayAnswer, 0);
    const QAbstractItemModel* model = window->Grid1->model();
    auto colour = [model](int row) {
        return model->data(model->index(row - 1, 4), Qt::BackgroundRole).value<QColor>();
    };
    EXPECT_EQ(cell(*window, 1, 1), u"ＪＡ３ＣＣＣ"_qs);
    EXPECT_EQ(colour(2), QColor(255, 0, 0)); // 31 days left
    EXPECT_EQ(window->Label1->text(),
              u"申請受付中 2局（締切14日以内 2局・最も近い締切 令和6年4月2日）　締切超過 1局"_qs);

    // A record changed in place; the cells stop at the last column.
    StationRecord renewed = state.store.record(1);
    renewed.setExpiry(QDate(2029, 5, 2));
    renewed.set(Field::HolderName, u"\u3000鈴木一郎 "); // a full-width space is text
    state.store.replace(1, renewed);
    EXPECT_EQ(cell(*window, 1, 5), u"\u3000鈴木一郎"_qs);
    EXPECT_TRUE(window->gridModel().cellText(1, kGridColumnCount).isEmpty());
    EXPECT_FALSE(model->headerData(kGridColumnCount, Qt::Horizontal).isValid());
    EXPECT_EQ(window->Label1->text(),
              u"申請受付中 2局（締切14日以内 2局・最も近い締切 令和6年4月2日）"_qs);

    // Ten days on: 21 days left (magenta), and both deadlines have passed.
    clock.set(QDate(2024, 4, 11));
    window->newDayCheck();
    EXPECT_EQ(colour(2), QColor(255, 0, 255));
    EXPECT_EQ(window->Label1->text(), u"申請受付中 0局　締切超過 2局"_qs);
}
