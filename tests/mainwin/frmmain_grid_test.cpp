#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

TEST_F(MainWindowTest, RightButtonAsksAboutTheCurrentRowNotTheOneUnderThePointer) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(6));
    auto window = startWith(path);
    window->show();
    QTableView* grid = window->Grid1;
    const QAbstractItemModel* model = grid->model();
    const QPoint row2 = grid->visualRect(model->index(1, 2)).center();
    const QPoint row5 = grid->visualRect(model->index(4, 2)).center();
    sendMouse(grid->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, row2);
    sendMouse(grid->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, row2);
    ASSERT_EQ(window->currentRow(), 2);

    prompter.nextAnswer(Prompter::Answer::Yes);
    sendMouse(grid->viewport(), QEvent::MouseButtonPress, Qt::RightButton, row5);
    EXPECT_EQ(state.print.PrintRecordIndex, 2);
    sendMouse(grid->viewport(), QEvent::MouseButtonRelease, Qt::RightButton, row5);
    const Prompter::Message* question = prompter.lastMessage();
    ASSERT_NE(question, nullptr);
    const StationRecord& record = state.store.record(2);
    EXPECT_EQ(question->text, record.trimmed(Field::CallSign) + u"\r\n"_qs +
                                  record.trimmed(Field::LicenceNo) + u"\r\n"_qs +
                                  u"令和7年02月28日\r\n再免許申請書を印刷しますか？"_qs);
    EXPECT_EQ(question->title, u"Velmora"_qs);
    EXPECT_EQ(question->buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(question->icon, Prompter::Icon::None);
    EXPECT_EQ(opened, std::vector<std::string>{"print"});
    EXPECT_EQ(state.print.PrintRecordIndex, 2);
    EXPECT_EQ(window->currentRow(), 2);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_FALSE(window->countdownRunning());

    // No opens nothing.
    state.print.PrintRecordIndex = 0;
    prompter.nextAnswer(Prompter::Answer::No);
    window->gridRightReleased();
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(state.print.PrintRecordIndex, 0);
}

TEST_F(MainWindowTest, DoubleClickOpensTheEditDialogForThatRow) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(6));
    auto window = startWith(path);
    window->show();
    QTableView* grid = window->Grid1;
    const QPoint row4 = grid->visualRect(grid->model()->index(3, 5)).center();
    sendMouse(grid->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, row4);
    sendMouse(grid->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, row4);
    sendMouse(grid->viewport(), QEvent::MouseButtonDblClick, Qt::LeftButton, row4);
    EXPECT_EQ(state.store.CurrentIndex, 4);
    EXPECT_EQ(opened, std::vector<std::string>{"edit"});
    EXPECT_FALSE(window->countdownRunning());
}

TEST_F(MainWindowTest, TheHeaderRowAndTheCornerActAsTheRestOfTheGrid) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(6));
    auto window = startWith(path);
    window->show();
    QTableView* grid = window->Grid1;
    grid->selectRow(2);
    ASSERT_EQ(window->currentRow(), 3);
    auto* corner = grid->findChild<QAbstractButton*>();
    ASSERT_NE(corner, nullptr);
    for (QWidget* area : {grid->horizontalHeader()->viewport(), static_cast<QWidget*>(corner)}) {
        opened.clear();
        const QPoint at = area->rect().center();
        sendMouse(area, QEvent::MouseButtonDblClick, Qt::LeftButton, at);
        EXPECT_EQ(opened, std::vector<std::string>{"edit"});
        EXPECT_EQ(state.store.CurrentIndex, 3);

        prompter.nextAnswer(Prompter::Answer::Yes);
        sendMouse(area, QEvent::MouseButtonPress, Qt::RightButton, at);
        sendMouse(area, QEvent::MouseButtonRelease, Qt::RightButton, at);
        ASSERT_NE(prompter.lastMessage(), nullptr);
        EXPECT_TRUE(prompter.lastMessage()->text.startsWith(cell(*window, 3, 1)));
        EXPECT_EQ(opened, (std::vector<std::string>{"edit", "print"}));
        EXPECT_EQ(state.print.PrintRecordIndex, 3);
        prompter.clearSeen();
    }
    EXPECT_EQ(window->currentRow(), 3);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, TheViewKeepsItsRowAndScrollPlaceThroughASort) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(200));
    auto window = startWith(path);
    window->show();
    QTableView* grid = window->Grid1;
    grid->selectRow(120);
    grid->verticalScrollBar()->setValue(100);
    const int scrolled = grid->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    window->DataSort();
    window->LimitCheck();
    EXPECT_EQ(window->currentRow(), 121);
    EXPECT_EQ(grid->currentIndex().row(), 120);
    EXPECT_EQ(grid->verticalScrollBar()->value(), scrolled);

    // Deleting the last rows moves the current row up to the last one left.
    for (int i = 0; i < 100; ++i)
        window->DelGrid2Mem(state.store.Count());
    EXPECT_EQ(window->currentRow(), 100);
    EXPECT_EQ(grid->currentIndex().row(), 99);
}

TEST_F(MainWindowTest, GridShowsTheFontAndTheNumberColumnAsAFixedColumn) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(3));
    auto window = startWith(path);
    QTableView* grid = window->Grid1;
    EXPECT_EQ(grid->font().family(), u"ＭＳ ゴシック"_qs);
    EXPECT_EQ(grid->font().pointSizeF(), 10.5);
    EXPECT_TRUE(grid->font().bold());
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->model()->headerData(2, Qt::Vertical).toString(), u"3"_qs);
    EXPECT_EQ(grid->model()->columnCount(), 18);

    // The cells show the record's fields in the grid's order, trimmed, and follow a change.
    StationRecord changed = state.store.record(2);
    changed.set(Field::HolderName, u"\u3000鈴木一郎"); // a full-width space is text
    changed.set(Field::ClubName, u"");
    state.store.replace(2, changed);
    EXPECT_EQ(cell(*window, 2, 5), u"\u3000鈴木一郎"_qs);
    EXPECT_EQ(cell(*window, 2, 7), u"102-0074"_qs); // the station's postal code
    EXPECT_EQ(cell(*window, 2, 10), QString());     // no club
    EXPECT_EQ(cell(*window, 2, 3), u"令和7年02月28日"_qs);
    EXPECT_EQ(grid->model()->headerData(17, Qt::Horizontal).toString(), u"申請書Tel"_qs);
}
