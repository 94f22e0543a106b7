// Finding stations in the main window: the search box, the state filter and the status line's
// links narrow the rows; the grid's keys and commands act on the station the user sees; a
// data file handed over from the desktop.
#include "mainwindowfixture.h"

#include "mainwin/colourlegend.h"
#include "record/recordchecks.h"
#include "support/shown.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

using StateFilter = StationFilterModel::StateFilter;

void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
}

// Today 2024-04-01, in the order the grid lists them: 1 missed its window, 2 closes within 14
// days, 3 open, 4 upcoming.
std::vector<StationRecord> renewalSeason() {
    return {sampleStation(u"ＪＡ３ＣＣＣ"_qs, u"関第3号"_qs, QDate(2024, 4, 20)),
            sampleStation(u"ＪＡ１ＡＢＣ"_qs, u"関第1号"_qs, QDate(2024, 5, 10)),
            sampleStation(u"ＪＡ２ＢＢＢ"_qs, u"関第2号"_qs, QDate(2024, 9, 30)),
            sampleStation(u"ＪＡ４ＤＤＤ"_qs, u"関第4号"_qs, QDate(2025, 6, 30))};
}

} // namespace

// Typing, the state box and a link in the status line narrow the rows (which rows, is the
// filter's own test); the register, its numbers and Modified stay as they were. The grid's keys
// act on the station seen through the filter.
TEST_F(MainWindowTest, TheSearchBoxAndTheStateFilterNarrowTheRowsTheKeysActOn) {
    auto window = startWith(writeRegister(u"list.stn"_qs, renewalSeason()));
    const std::vector<StationRecord> records = state.store.records();
    window->searchBox->setText(u"ja1abc"_qs);
    ASSERT_EQ(rows(*window), 1);
    EXPECT_EQ(window->currentRow(), 2);
    pressKey(window->searchBox, Qt::Key_Escape);
    EXPECT_TRUE(window->searchBox->text().isEmpty());
    EXPECT_EQ(rows(*window), 4);
    window->focusSearch();
    pressKey(window->searchBox, Qt::Key_Down);
    EXPECT_EQ(window->focusWidget(), window->recordGrid);

    window->stateFilterBox->setCurrentIndex(int(StateFilter::Upcoming));
    ASSERT_EQ(rows(*window), 1);
    EXPECT_EQ(statusLine(*window),
              u"申請受付中 2局（締切14日以内 1局・最も近い締切 令和6年4月10日）　締切超過 1局"_qs);
    emit window->renewalStatusLabel->linkActivated(u"state:missed"_qs);
    ASSERT_EQ(rows(*window), 1);
    EXPECT_EQ(cell(*window, 1, 1), u"ＪＡ３ＣＣＣ"_qs);
    EXPECT_EQ(window->stateFilterBox->currentText(), u"締切超過"_qs);
    EXPECT_EQ(state.store.records(), records);
    EXPECT_EQ(state.store.Modified, 0);

    // Ctrl+F goes to the search box; the legend of the colours opens from the status line.
    window->findChild<QAction*>(u"findAction"_qs)->trigger();
    EXPECT_EQ(window->focusWidget(), window->searchBox);
    window->colourLegendButton->click();
    EXPECT_TRUE(window->findChild<ColourLegend*>()->isVisible());

    // Return edits, Ctrl+P asks to print and Delete asks to delete (No by default) the station
    // the filter shows, never the one at its place in the whole register; with no station shown
    // they do nothing.
    QTableView* grid = window->recordGrid;
    window->setStateFilter(StateFilter::Open);
    grid->setCurrentIndex(grid->model()->index(1, 0)); // ＪＡ２ＢＢＢ, record 3
    pressKey(grid, Qt::Key_Return);
    EXPECT_EQ(state.store.CurrentIndex, 3);
    prompter.nextAnswer(Prompter::Answer::Yes);
    pressKey(grid, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(state.print.PrintRecordIndex, 3);
    EXPECT_EQ(opened, (std::vector<std::string>{"edit", "print"}));
    prompter.nextAnswer(Prompter::Answer::Yes);
    pressKey(grid, Qt::Key_Delete);
    EXPECT_EQ(prompter.lastMessage()->defaultAnswer, Prompter::Answer::No);
    EXPECT_EQ(shownColumn(state.store, 1),
              (std::vector<QString>{u"ＪＡ３ＣＣＣ"_qs, u"ＪＡ１ＡＢＣ"_qs, u"ＪＡ４ＤＤＤ"_qs}));

    window->searchBox->setText(u"ＪＡ９"_qs);
    ASSERT_EQ(rows(*window), 0);
    opened.clear();
    pressKey(grid, Qt::Key_Return);
    window->gridRightReleased();
    pressKey(grid, Qt::Key_Delete);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(state.store.Count(), 3);
}

// A file from the desktop is opened as 開く opens a chosen one: after the question about
// unsaved changes, and not at all with a wrong extension.
TEST_F(MainWindowTest, AFileFromTheDesktopAsksAboutUnsavedChangesFirst) {
    const QString first = writeRegister(u"list.stn"_qs, renewalSeason());
    const QString second = writeRegister(u"other.stn"_qs, numbered(2));
    auto window = startWith(first);
    window->deleteRecord(1);
    prompter.nextAnswer(Prompter::Answer::Cancel);
    EXPECT_FALSE(window->openFromDesktop(second));
    EXPECT_EQ(prompter.lastMessage()->text, u"Velmoraデータを保存しますか？"_qs);
    EXPECT_EQ(state.store.DataFile, first);
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(window->openFromDesktop(data.file(u"list.txt"_qs)));
    EXPECT_EQ(prompter.lastMessage()->text, u"ファイル名（拡張子.stn）が違います"_qs);
    EXPECT_EQ(state.store.Count(), 3);
    prompter.nextAnswer(Prompter::Answer::No);
    EXPECT_TRUE(window->openFromDesktop(second));
    EXPECT_EQ(state.store.DataFile, second);
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// The legend's bands are the grid's: each starts where the row colour changes.
TEST(ColourLegendTest, ItsBandsAreTheRowColours) {
    const std::vector<ColourLegend::Band>& bands = ColourLegend::bands();
    ASSERT_EQ(bands.size(), 7u);
    for (size_t i = 0; i + 1 < bands.size(); ++i) {
        SCOPED_TRACE(ColourLegend::daysText(i).toStdString());
        EXPECT_NE(checks::expiryColour(bands[i].fromDays),
                  checks::expiryColour(bands[i].fromDays - 1));
        EXPECT_EQ(checks::expiryColour(bands[i].fromDays - 1),
                  checks::expiryColour(bands[i + 1].fromDays));
    }
    EXPECT_EQ(ColourLegend::daysText(1), u"183～364日"_qs);
    EXPECT_EQ(ColourLegend::daysText(6), u"期限切れ"_qs);
}
