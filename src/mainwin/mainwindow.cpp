// The main window: its menus and their commands (undo and redo among them), the auto-exit
// countdown, the record checks.
#include "mainwin/mainwindow.h"

#include "mainwin/recordgridmodel.h"
#include "mainwin/registerundo.h"
#include "platform/gui/twips.h"
#include "record/recordchecks.h"
#include "record/recovery.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

// The window's designed inner size, in twips.
constexpr int kDesignedWidth = 9735;
constexpr int kDesignedHeight = 6915;
constexpr int kCountdownSeconds = 60;
// The grid's own column widths in twips, used until the settings give others.
constexpr std::array<qint32, kGridColumnCount> kDefaultWidths = {
    600,  1500, 2300, 2100, 900,  1800, 2000, 1200, 3000,
    3000, 2400, 2400, 1800, 2000, 1200, 3000, 3000, 1800,
};

} // namespace

MainWindow::MainWindow(AppState& state, Prompter& prompter, const Clock& clock,
                       WindowOpeners openers, QWidget* parent, const QString& fileToOpen)
    : QMainWindow(parent), dataFileDialog(prompter, state.program.folder), state_(state),
      prompter_(prompter), clock_(clock), openers_(std::move(openers)),
      columnWidths_(kDefaultWidths) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(title());
    resize(twips::toPixels(kDesignedWidth, dpiX()), twips::toPixels(kDesignedHeight, dpiY()));

    undo_ = new RegisterUndo(state_.store, this);
    connect(undo_, &RegisterUndo::restored, this, &MainWindow::registerRestored);

    countdownTimer = new QTimer(this);
    countdownTimer->setObjectName(QStringLiteral("countdownTimer"));
    countdownTimer->setInterval(1000);
    connect(countdownTimer, &QTimer::timeout, this, &MainWindow::countdownTick);
    auto* dayTimer = new QTimer(this);
    dayTimer->setObjectName(QStringLiteral("newDayTimer"));
    dayTimer->setInterval(60 * 1000);
    connect(dayTimer, &QTimer::timeout, this, &MainWindow::newDayCheck);
    dayTimer->start();

    buildMenus();
    buildGrid();
    buildStatusLine();
    watchForChanges();
    startUp(fileToOpen);
}

MainWindow::~MainWindow() {
    // The grid view reads the model while it is taken down: take the view down first, then the
    // model, which stops listening to the store.
    delete gridContainer;
    delete model_;
}

int MainWindow::dpiX() const {
    return logicalDpiX() > 0 ? logicalDpiX() : 96;
}

int MainWindow::dpiY() const {
    return logicalDpiY() > 0 ? logicalDpiY() : 96;
}

void MainWindow::buildMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto shortcut = [](QAction* action, QKeyCombination keys) {
        action->setShortcut(QKeySequence(keys));
        return action;
    };

    fileMenu = menuBar()->addMenu(QStringLiteral("ファイル"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    openAction =
        shortcut(item(fileMenu, "openAction", QStringLiteral("開く"), &MainWindow::openCommand),
                 Qt::CTRL | Qt::Key_O);
    mergeAction =
        item(fileMenu, "mergeAction", QStringLiteral("データ連結"), &MainWindow::mergeCommand);
    saveAction =
        shortcut(item(fileMenu, "saveAction", QStringLiteral("保存"), &MainWindow::saveCommand),
                 Qt::CTRL | Qt::Key_S);
    batchPrintAction = item(fileMenu, "batchPrintAction", QStringLiteral("一括印刷…"),
                            &MainWindow::batchPrintCommand);
    csvExportAction = item(fileMenu, "csvExportAction", QStringLiteral("CSV書き出し…"),
                           &MainWindow::csvExportCommand);
    csvImportAction = item(fileMenu, "csvImportAction", QStringLiteral("CSV取り込み…"),
                           &MainWindow::csvImportCommand);
    fileMenuSeparator = fileMenu->addSeparator();
    fileMenuSeparator->setObjectName(QStringLiteral("fileMenuSeparator"));
    stopCountdownAction = item(fileMenu, "stopCountdownAction", QStringLiteral("自動終了停止"),
                               &MainWindow::stopCountdownCommand);
    quitAction = item(fileMenu, "quitAction", QStringLiteral("終了"), &MainWindow::quitCommand);

    editMenu = menuBar()->addMenu(QStringLiteral("編集"));
    editMenu->setObjectName(QStringLiteral("editMenu"));
    // The captions follow the step to undo or redo (RegisterUndo::attach).
    undoAction = shortcut(editMenu->addAction(QStringLiteral("元に戻す")), Qt::CTRL | Qt::Key_Z);
    undoAction->setObjectName(QStringLiteral("undoAction"));
    redoAction = shortcut(editMenu->addAction(QStringLiteral("やり直し")), Qt::CTRL | Qt::Key_Y);
    redoAction->setObjectName(QStringLiteral("redoAction"));
    undo_->attach(undoAction, redoAction);
    // Connected after attach, so that it runs once the step has been taken.
    connect(undoAction, &QAction::triggered, this, &MainWindow::undoStepTaken);
    connect(redoAction, &QAction::triggered, this, &MainWindow::undoStepTaken);
    editMenuSeparator = editMenu->addSeparator();
    editMenuSeparator->setObjectName(QStringLiteral("editMenuSeparator"));
    newStationAction = shortcut(item(editMenu, "newStationAction", QStringLiteral("新規入力"),
                                     &MainWindow::newRegistrationCommand),
                                Qt::CTRL | Qt::Key_N);
    duplicateCheckAction = item(editMenu, "duplicateCheckAction", QStringLiteral("重複チェック"),
                                &MainWindow::duplicateCheckCommand);

    settingsMenu = menuBar()->addMenu(QStringLiteral("設定"));
    settingsMenu->setObjectName(QStringLiteral("settingsMenu"));
    printSettingsAction = item(settingsMenu, "printSettingsAction", QStringLiteral("印刷設定"),
                               &MainWindow::optionsCommand);

    // A menu-bar item of its own, without a submenu.
    aboutAction = menuBar()->addAction(QStringLiteral("バージョン"));
    aboutAction->setObjectName(QStringLiteral("aboutAction"));
    connect(aboutAction, &QAction::triggered, this, &MainWindow::aboutCommand);
}

void MainWindow::stopCountdown() {
    if (!countdownTimer->isActive())
        return;
    countdownTimer->stop();
    setWindowTitle(title());
    stopCountdownAction->setVisible(false);
}

bool MainWindow::countdownRunning() const {
    return countdownTimer->isActive();
}

void MainWindow::countdownTick() {
    countdownElapsed = qint16(countdownElapsed + 1);
    if (countdownElapsed == kCountdownSeconds && !close()) {
        // The user kept the window open (Cancel to the save question, a save that failed):
        // counting on below zero would mean nothing, so the countdown ends here.
        stopCountdown();
        return;
    }
    setWindowTitle(title() + QChar(0x3000) + QString::number(kCountdownSeconds - countdownElapsed) +
                   QStringLiteral(" 秒で自動終了"));
}

void MainWindow::trackWindow(QWidget* window) {
    if (!window)
        return;
    std::erase_if(windows_, [window](const QPointer<QWidget>& w) { return !w || w == window; });
    windows_.emplace_back(window);
}

void MainWindow::beginRegisterChange(const QString& text) {
    undo_->begin(text);
}

void MainWindow::commitRegisterChange() {
    undo_->commit();
}

void MainWindow::registerRestored() {
    sortByExpiry();
    colourByExpiry();
    showRenewalStatus();
}

void MainWindow::undoStepTaken() {
    // The register may now differ from its file, as after any change that marks it modified.
    stopCountdown();
    // Back to the file as it stands: a copy of what was undone must not be offered next time.
    if (state_.store.Modified == 0)
        recovery_->saved();
}

void MainWindow::deleteRecord(int row) {
    RecordStore& store = state_.store;
    if (row < 1 || row > store.Count())
        return;
    const RegisterUndo::Change change(
        *undo_, actionText(RegisterAction::Delete, store.record(row).trimmedView(Field::CallSign)));
    checks::deleteRecord(store, row);
}

void MainWindow::removeDuplicates() {
    checks::removeDuplicates(state_.store);
}

void MainWindow::sortByExpiry() {
    checks::sortByExpiry(state_.store);
}

void MainWindow::colourByExpiry() {
    colouredFor_ = clock_.today();
    model_->setDay(colouredFor_);
    filter_->setDay(colouredFor_);
    checks::colourByExpiry(state_.store, colouredFor_);
}

void MainWindow::newDayCheck() {
    if (clock_.today() != colouredFor_)
        colourByExpiry();
}

void MainWindow::stopCountdownCommand() {
    stopCountdown();
}

void MainWindow::quitCommand() {
    close();
}

void MainWindow::newRegistrationCommand() {
    stopCountdown();
    if (openers_.newRegistration)
        openers_.newRegistration(*this);
}

void MainWindow::batchPrintCommand() {
    stopCountdown();
    if (openers_.batch)
        openers_.batch(*this);
}

void MainWindow::duplicateCheckCommand() {
    const RegisterUndo::Change change(*undo_, actionText(RegisterAction::DuplicateCheck));
    removeDuplicates();
}

void MainWindow::optionsCommand() {
    stopCountdown();
    if (openers_.options)
        openers_.options(*this);
}

void MainWindow::aboutCommand() {
    if (openers_.about)
        openers_.about(*this);
}

void MainWindow::gridDoubleClicked() {
    stopCountdown();
    const int row = seenRow();
    if (state_.store.Count() <= 0 || row < 1)
        return;
    state_.store.CurrentIndex = row;
    if (openers_.edit)
        openers_.edit(*this);
}

void MainWindow::gridRightPressed() {
    if (state_.store.Count() <= 0 || seenRow() < 1)
        return;
    state_.print.PrintRecordIndex = seenRow();
}

void MainWindow::gridRightReleased() {
    if (state_.store.Count() <= 0)
        return;
    stopCountdown();
    const int row = seenRow();
    if (row < 1)
        return;
    const QString crlf = QStringLiteral("\r\n");
    const QString question = model_->cellText(row, 1) + crlf + model_->cellText(row, 2) + crlf +
                             model_->cellText(row, 3) + crlf +
                             QStringLiteral("再免許申請書を印刷しますか？");
    const Prompter::Answer answer = prompter_.message(
        {question, title(), Prompter::Buttons::YesNo, Prompter::Icon::None}, this);
    if (answer == Prompter::Answer::No)
        return;
    state_.print.PrintRecordIndex = row;
    if (openers_.print)
        openers_.print(*this);
}
