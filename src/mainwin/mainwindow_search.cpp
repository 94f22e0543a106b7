// Finding stations: the search bar above the grid, the state filter, the grid's keys and the
// legend of the row colours.
#include "mainwin/mainwindow.h"

#include "mainwin/colourlegend.h"
#include "mainwin/recordgridmodel.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

using StateFilter = StationFilterModel::StateFilter;

void MainWindow::buildSearchBar(QWidget* container) {
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 2);
    searchBox = new QLineEdit(container);
    searchBox->setObjectName(QStringLiteral("searchBox"));
    searchBox->setAccessibleName(QStringLiteral("検索"));
    searchBox->setPlaceholderText(QStringLiteral("検索（コールサイン・免許番号・氏名・住所）"));
    searchBox->setClearButtonEnabled(true);
    searchBox->installEventFilter(this);
    connect(searchBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setSearchText(text);
        followFilter();
    });
    bar->addWidget(searchBox, 1);

    stateFilterBox = new QComboBox(container);
    stateFilterBox->setObjectName(QStringLiteral("stateFilterBox"));
    stateFilterBox->setAccessibleName(QStringLiteral("状態"));
    for (int i = 0; i < StationFilterModel::kStateFilterCount; ++i)
        stateFilterBox->addItem(StationFilterModel::stateFilterLabel(StateFilter(i)));
    connect(stateFilterBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { setStateFilter(StateFilter(index)); });
    bar->addWidget(stateFilterBox);
    static_cast<QVBoxLayout*>(container->layout())->insertLayout(0, bar);

    auto* findAction = new QAction(this);
    findAction->setObjectName(QStringLiteral("findAction"));
    findAction->setShortcut(QKeySequence::Find);
    findAction->setShortcutContext(Qt::WindowShortcut);
    connect(findAction, &QAction::triggered, this, &MainWindow::focusSearch);
    addAction(findAction);
}

void MainWindow::setStateFilter(StateFilter filter) {
    stateFilterBox->setCurrentIndex(int(filter));
    filter_->setStateFilter(filter);
    followFilter();
}

void MainWindow::focusSearch() {
    searchBox->setFocus(Qt::ShortcutFocusReason);
    searchBox->selectAll();
}

void MainWindow::statusLinkActivated(const QString& link) {
    static const std::pair<QLatin1String, StateFilter> links[] = {
        {QLatin1String("state:open"), StateFilter::Open},
        {QLatin1String("state:closing"), StateFilter::Closing},
        {QLatin1String("state:missed"), StateFilter::Missed},
    };
    for (const auto& [name, filter] : links) {
        if (link == name)
            setStateFilter(filter);
    }
}

void MainWindow::followFilter() {
    if (filter_->proxyRow(currentRow_) >= 0 || filter_->rowCount() == 0) {
        setCurrentRow(currentRow_);
        return;
    }
    setCurrentRow(filter_->storeRow(0));
}

bool MainWindow::searchKeyPressed(int key) {
    // Esc empties the box, and once empty leaves it; Down and Return go on to the stations
    // found.
    if (key == Qt::Key_Escape && !searchBox->text().isEmpty()) {
        searchBox->clear();
        return true;
    }
    if (key == Qt::Key_Escape || key == Qt::Key_Down || key == Qt::Key_Return ||
        key == Qt::Key_Enter) {
        recordGrid->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

bool MainWindow::gridKeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers used = modifiers & ~Qt::KeypadModifier;
    if (used == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        gridDoubleClicked();
        return true;
    }
    if (used == Qt::NoModifier && key == Qt::Key_Delete) {
        deleteCurrentStation();
        return true;
    }
    if (used == Qt::ControlModifier && key == Qt::Key_P) {
        gridRightReleased();
        return true;
    }
    return false;
}

void MainWindow::deleteCurrentStation() {
    const int row = seenRow();
    if (state_.store.Count() <= 0 || row < 1)
        return;
    stopCountdown();
    // Named as the print question names it, asked as the edit dialog asks.
    const QString crlf = QStringLiteral("\r\n");
    const QString question = model_->cellText(row, 1) + crlf + model_->cellText(row, 2) + crlf +
                             model_->cellText(row, 3) + crlf +
                             QStringLiteral("このデータを削除しますか？");
    if (prompter_.message({question, title(), Prompter::Buttons::YesNo, Prompter::Icon::None,
                           Prompter::Answer::No},
                          this) != Prompter::Answer::Yes)
        return;
    deleteRecord(row);
}

void MainWindow::showColourLegend() {
    if (!colourLegend_) {
        colourLegend_ = new ColourLegend(this);
        colourLegend_->setAttribute(Qt::WA_DeleteOnClose);
    }
    trackWindow(colourLegend_);
    colourLegend_->show();
    colourLegend_->raise();
    colourLegend_->activateWindow();
}
