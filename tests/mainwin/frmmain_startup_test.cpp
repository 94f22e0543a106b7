#include "mainwindowfixture.h"
#include "platform/gui/twips.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace {

QString countdownTitle(int secondsLeft) {
    return u"Velmora\u3000"_qs + QString::number(secondsLeft) + u" 秒で自動終了"_qs;
}

} // namespace

TEST_F(MainWindowTest, FirstStartShowsTheMissingSettingsMessageThenCountsDown) {
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    ASSERT_EQ(prompter.messages().size(), 1u);
    const Prompter::Message* message = prompter.lastMessage();
    EXPECT_EQ(message->text, u"tessaly.ini が有りません"_qs);
    EXPECT_EQ(message->title, u"Velmora"_qs);
    EXPECT_EQ(message->buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(message->icon, Prompter::Icon::None);
    EXPECT_TRUE(QDir(program.file(u"BackUP"_qs)).exists());
    EXPECT_TRUE(QDir(program.file(u"BackUP2"_qs)).exists());

    // An empty grid: the header and one blank row.
    EXPECT_EQ(gridRows(*window), 2);
    EXPECT_EQ(window->Grid1->model()->rowCount(), 1);
    EXPECT_EQ(window->windowTitle(), u"Velmora"_qs);
    EXPECT_TRUE(window->countdownRunning());
    EXPECT_EQ(window->Timer1->interval(), 1000);

    window->countdownTick();
    EXPECT_EQ(window->windowTitle(), countdownTitle(59));
    for (int i = 2; i <= 59; ++i)
        window->countdownTick();
    EXPECT_EQ(window->windowTitle(), countdownTitle(1));
    EXPECT_EQ(finishedCount, 0);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    // At 60 seconds the program ends without asking anything and leaves its settings.
    window->countdownTick();
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(prompter.messages().size(), 1u);
    EXPECT_TRUE(QFile::exists(settingsPath()));
    EXPECT_FALSE(window->countdownRunning());
}

TEST_F(MainWindowTest, StartsEvenWhenTheBackupFoldersCannotBeCreated) {
    // A program "folder" below a plain file: nothing can be created in it.
    const QString file = program.write(u"plain"_qs, "x");
    state.program = ProgramInfo::withFolder(file + u"/program"_qs);
    prompter.nextAnswer(Prompter::Answer::Ok); // no settings file there either
    auto window = start();
    EXPECT_FALSE(QDir(file + u"/program/BackUP"_qs).exists());
    EXPECT_TRUE(window->countdownRunning());
    EXPECT_EQ(gridRows(*window), 2);
}

TEST_F(MainWindowTest, MenusHaveTheirCaptionsInOrder) {
    writeSettings();
    auto window = start();
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    EXPECT_EQ(bar[0]->text(), u"ファイル"_qs);
    EXPECT_EQ(bar[1]->text(), u"編集"_qs);
    EXPECT_EQ(bar[2]->text(), u"設定"_qs);
    EXPECT_EQ(bar[3]->text(), u"バージョン"_qs);
    EXPECT_EQ(bar[3]->menu(), nullptr);

    auto captions = [](QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? u"-"_qs : action->text()) + u'/' +
                         action->objectName();
        return texts;
    };
    EXPECT_EQ(captions(window->mnu1),
              QStringList({u"開く/file_open"_qs, u"データ連結/fileAppend"_qs, u"保存/file_Save"_qs,
                           u"一括印刷…/fileBatch"_qs, u"CSV書き出し…/csvExport"_qs,
                           u"CSV取り込み…/csvImport"_qs, u"-/mnu5"_qs, u"自動終了停止/AutoExit"_qs,
                           u"終了/owari"_qs}));
    EXPECT_EQ(captions(window->mnu2),
              QStringList({u"新規入力/Input"_qs, u"重複チェック/DupeChk"_qs}));
    EXPECT_EQ(captions(window->mnu4), QStringList({u"印刷設定/mnuSet"_qs}));
    for (const char* name : {"Grid1", "Picture1", "Timer1"})
        EXPECT_NE(window->findChild<QObject*>(QLatin1String(name)), nullptr) << name;
    EXPECT_TRUE(window->AutoExit->isVisible());
}

TEST_F(MainWindowTest, CommandsThatStopTheCountdown) {
    writeRegister(u"list.stn"_qs, stations::numbered(3));
    const QString dataFile = data.file(u"list.stn"_qs);
    struct Case {
        const char* name;
        std::function<void(frmMain&)> run;
        bool stops;
    };
    const std::vector<Case> cases = {
        {"open",
         [this](frmMain& w) {
             prompter.nextFileName(std::nullopt);
             w.file_open->trigger();
         },
         true},
        {"merge",
         [this](frmMain& w) {
             prompter.nextFileName(std::nullopt);
             w.fileAppend->trigger();
         },
         true},
        {"save",
         [this](frmMain& w) {
             prompter.nextFileName(std::nullopt);
             w.file_Save->trigger();
         },
         true},
        {"CSV export",
         [this](frmMain& w) {
             prompter.nextFileName(std::nullopt);
             w.csvExport->trigger();
         },
         true},
        {"CSV import",
         [this](frmMain& w) {
             prompter.nextFileName(std::nullopt);
             w.csvImport->trigger();
         },
         true},
        {"stop", [](frmMain& w) { w.AutoExit->trigger(); }, true},
        {"new", [](frmMain& w) { w.Input->trigger(); }, true},
        {"options", [](frmMain& w) { w.mnuSet->trigger(); }, true},
        {"batch print", [](frmMain& w) { w.fileBatch->trigger(); }, true},
        {"double-click", [](frmMain& w) { w.gridDoubleClicked(); }, true},
        {"right button",
         [this](frmMain& w) {
             prompter.nextAnswer(Prompter::Answer::No);
             w.gridRightPressed();
             w.gridRightReleased();
         },
         true},
        {"duplicate check", [](frmMain& w) { w.DupeChk->trigger(); }, false},
        {"version", [](frmMain& w) { w.about->trigger(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = startWith(dataFile);
        window->countdownTick();
        c.run(*window);
        EXPECT_EQ(window->countdownRunning(), !c.stops);
        EXPECT_EQ(window->AutoExit->isVisible(), !c.stops);
        EXPECT_EQ(window->windowTitle(), c.stops ? u"Velmora"_qs : countdownTitle(59));
        // Nothing restarts it.
        window->StopAutoExit();
        window->StopAutoExit();
        EXPECT_FALSE(window->countdownRunning());
        EXPECT_TRUE(prompter.allAnswersUsed());
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"new", "options", "batch", "edit", "about"}));
}

TEST_F(MainWindowTest, RightButtonOnAnEmptyRegisterDoesNothing) {
    writeSettings();
    auto window = start();
    window->gridRightPressed();
    window->gridRightReleased();
    EXPECT_TRUE(window->countdownRunning());
    // A double-click only stops the countdown.
    window->gridDoubleClicked();
    EXPECT_FALSE(window->countdownRunning());
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(MainWindowTest, StartUpOpensTheLastDataFileSortedAndColoured) {
    std::vector<StationRecord> records = stations::numbered(3, QDate(2024, 5, 1));
    std::swap(records[0], records[2]);
    const QString path = writeRegister(u"list.stn"_qs, records);
    state.print.PrepayAnswer = 1;
    auto window = startWith(path);
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(state.store.Count(), 3);
    EXPECT_EQ(state.store.DataFile, path);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(state.print.PrepayAnswer, 0);
    EXPECT_EQ(gridRows(*window), 4);
    EXPECT_EQ(cell(*window, 1, 1), u"ＪＡ１ＡＡ1"_qs);
    EXPECT_EQ(cell(*window, 3, 0), u"3"_qs);
    EXPECT_EQ(cell(*window, 1, 3), u"令和6年05月01日"_qs);
    // 30 days left: magenta.
    EXPECT_EQ(state.store.colour(1), 0x00FF00FFu);
    const QAbstractItemModel* model = window->Grid1->model();
    EXPECT_EQ(model->data(model->index(0, 4), Qt::BackgroundRole).value<QColor>(),
              QColor(255, 0, 255));
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), u"免許期限"_qs);
    EXPECT_EQ(model->data(model->index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_EQ(model->data(model->index(0, 5), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_TRUE(window->countdownRunning());
}

TEST_F(MainWindowTest, ANewDayRecoloursTheRows) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(1, QDate(2024, 5, 2)));
    auto window = startWith(path);
    const QAbstractItemModel* model = window->Grid1->model();
    const auto colour = [model] {
        return model->data(model->index(0, 4), Qt::BackgroundRole).value<QColor>();
    };
    EXPECT_EQ(colour(), QColor(255, 0, 0)); // 31 days left
    clock.set(QDate(2024, 4, 2));
    window->newDayCheck();
    EXPECT_EQ(colour(), QColor(255, 0, 255)); // 30
}

TEST_F(MainWindowTest, TheOuterPlaceAndSizeStayTheSameOverRestarts) {
    SettingsValues values;
    values.MainLeft = 1500;
    values.MainTop = 1200;
    values.MainWidth = 9000;
    values.MainHeight = 6000;
    writeSettings(values);
    for (int run = 0; run < 3; ++run) {
        auto window = start();
        window->show();
        const int dpi = window->logicalDpiX();
        EXPECT_EQ(window->frameGeometry(),
                  QRect(twips::toPixels(1500, dpi), twips::toPixels(1200, dpi),
                        twips::toPixels(9000, dpi), twips::toPixels(6000, dpi)));
        window->StopAutoExit();
        ASSERT_TRUE(window->close());
        const SettingsValues written = readBackSettings();
        EXPECT_EQ(written.MainLeft, 1500.0f) << run;
        EXPECT_EQ(written.MainTop, 1200.0f) << run;
        EXPECT_EQ(written.MainWidth, 9000.0f) << run;
        EXPECT_EQ(written.MainHeight, 6000.0f) << run;
    }
}

TEST_F(MainWindowTest, StartUpWithAMissingDataFileStartsEmptyWithoutAMessage) {
    const QString path = data.file(u"gone.stn"_qs);
    auto window = startWith(path);
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_EQ(gridRows(*window), 2);
    EXPECT_EQ(state.store.DataFile, path);
}

TEST_F(MainWindowTest, StartUpWithAnUnreadableDataFileKeepsItSafe) {
    // More records than the register can hold.
    const QString path = data.file(u"huge.stn"_qs);
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(RecordStore::kMaxRecords + 1) * datafile::kRecordSize));
    huge.close();
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = startWith(path);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(prompter.lastMessage()->title, u"Velmora"_qs);
    EXPECT_EQ(state.store.Count(), 0);
    // An empty register must not be saved over the file it could not read.
    EXPECT_TRUE(state.store.DataFile.isEmpty());
}

TEST_F(MainWindowTest, SettingsAreAppliedAndWrittenBack) {
    SettingsValues values;
    values.Grid[3] = 3000;
    values.Grid[16] = 900;
    values.Grid[0] = 720;
    // Values that no whole number of pixels gives exactly.
    values.MainLeft = 301;
    values.MainTop = 451;
    values.MainWidth = 9001;
    values.MainHeight = 6001;
    values.Zoom = 3;
    writeSettings(values);
    auto window = start();
    const int dpi = window->logicalDpiX();
    EXPECT_EQ(window->Grid1->columnWidth(3), twips::toPixels(3000, dpi));
    EXPECT_EQ(window->Grid1->columnWidth(16), twips::toPixels(900, dpi));
    EXPECT_EQ(window->Grid1->verticalHeader()->width(), twips::toPixels(720, dpi));
    EXPECT_EQ(window->frameGeometry().topLeft(),
              QPoint(twips::toPixels(301, dpi), twips::toPixels(451, window->logicalDpiY())));
    EXPECT_EQ(state.settings.Zoom, 3);

    // The user widens column 5; everything else is written back as read.
    window->Grid1->setColumnWidth(5, twips::toPixels(2400, dpi));
    state.settings.Zoom = 4;
    window->StopAutoExit();
    ASSERT_TRUE(window->close());
    const SettingsValues written = readBackSettings();
    EXPECT_EQ(written.Grid[3], 3000);
    EXPECT_EQ(written.Grid[16], 900);
    EXPECT_EQ(written.Grid[0], 720);
    EXPECT_EQ(written.Grid[5], 2400);
    EXPECT_EQ(written.Zoom, 4);
    EXPECT_EQ(written.MainLeft, 301.0f);
    EXPECT_EQ(written.MainTop, 451.0f);
    EXPECT_EQ(written.MainWidth, 9001.0f);
    EXPECT_EQ(written.MainHeight, 6001.0f);
    EXPECT_TRUE(written.DataFile.isEmpty());

    // A window the user moved is written where it stands.
    auto moved = start();
    moved->move(100, 80);
    const int width = moved->frameGeometry().width();
    moved->StopAutoExit();
    ASSERT_TRUE(moved->close());
    const SettingsValues after = readBackSettings();
    EXPECT_EQ(after.MainLeft, float(std::round(twips::fromPixels(100, dpi))));
    EXPECT_EQ(after.MainWidth, float(std::round(twips::fromPixels(width, dpi))));
    EXPECT_NE(after.MainWidth, 9001.0f);
}

TEST_F(MainWindowTest, AWindowPlacedOffEveryScreenComesBackOntoThePrimaryOne) {
    SettingsValues values;
    values.MainLeft = 400000;
    values.MainTop = -300000;
    values.MainWidth = 9000;
    values.MainHeight = 6000;
    writeSettings(values);
    auto window = start();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry().topLeft()));
    EXPECT_TRUE(area.intersects(window->frameGeometry()));
}

TEST_F(MainWindowTest, AMinimisedWindowWritesTheFixedPlace) {
    writeSettings();
    auto window = start();
    window->show();
    window->showMinimized();
    if (!window->isMinimized())
        GTEST_SKIP() << "this platform cannot minimise";
    ASSERT_TRUE(window->close());
    const SettingsValues written = readBackSettings();
    EXPECT_EQ(written.MainLeft, 100.0f);
    EXPECT_EQ(written.MainTop, 100.0f);
    EXPECT_EQ(written.MainWidth, 9960.0f);
    EXPECT_EQ(written.MainHeight, 7746.0f);
}

TEST_F(MainWindowTest, DestroyedWhileShownWithoutClosing) {
    // A window torn down without its closing sequence (the program killed from outside, a
    // test's fixture) must not read its grid after the grid is gone.
    auto window = startWith(writeRegister("list.stn", stations::numbered(3)));
    window->show();
    ASSERT_TRUE(window->isVisible());
    window.reset();
    EXPECT_EQ(finishedCount, 0);
}

TEST_F(MainWindowTest, UnreadableSettingsStartWithDefaultsAndAFailedWriteStillEnds) {
    // A folder where the settings file should be: it can be neither read nor written.
    ASSERT_TRUE(QDir(program.path()).mkdir(QLatin1String(settingsfile::kFileName)));
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.lastMessage()->text, u"tessaly.ini が有りません"_qs);
    EXPECT_FALSE(prompter.lastMessage()->text.isEmpty());
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(prompter.lastMessage()->title, u"Velmora"_qs);
    EXPECT_TRUE(window->countdownRunning());

    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_TRUE(window->close());
    ASSERT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(prompter.lastMessage()->icon, Prompter::Icon::None);
    EXPECT_EQ(finishedCount, 1);
}
