// The status line under the grid: how the register stands with its application windows, its
// counts as links that set the state filter, and the legend of the row colours.
#include "mainwin/mainwindow.h"

#include "mainwin/recordgridmodel.h"
#include "record/renewalwindow.h"

#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

namespace {

// The status text with its counts as links: the same text shown, a click filters on it.
QString linkedStatus(const renewal::Summary& summary) {
    using renewal::State;
    QString html = renewal::statusText(summary).toHtmlEscaped();
    const auto link = [&html](const QString& shown, const char* target) {
        html.replace(shown, QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(QLatin1String(target), shown.toHtmlEscaped()));
    };
    link(QStringLiteral("申請受付中 %1局").arg(summary.open()), "state:open");
    link(QStringLiteral("締切%1日以内 %2局")
             .arg(renewal::kClosingDays)
             .arg(summary.count(State::Closing)),
         "state:closing");
    link(QStringLiteral("締切超過 %1局").arg(summary.count(State::Missed)), "state:missed");
    // Kept as written: HTML would fold the full-width spaces into ordinary ones.
    return QStringLiteral("<span style=\"white-space:pre\">%1</span>").arg(html);
}

} // namespace

void MainWindow::buildStatusLine() {
    renewalStatusBar = statusBar();
    renewalStatusBar->setObjectName(QStringLiteral("renewalStatusBar"));
    renewalStatusLabel = new QLabel(renewalStatusBar);
    renewalStatusLabel->setObjectName(QStringLiteral("renewalStatusLabel"));
    renewalStatusLabel->setTextFormat(Qt::RichText);
    renewalStatusLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                                Qt::LinksAccessibleByKeyboard);
    connect(renewalStatusLabel, &QLabel::linkActivated, this, &MainWindow::statusLinkActivated);
    renewalStatusBar->addWidget(renewalStatusLabel, 1);
    colourLegendButton = new QToolButton(renewalStatusBar);
    colourLegendButton->setObjectName(QStringLiteral("colourLegendButton"));
    colourLegendButton->setText(QStringLiteral("色の説明"));
    colourLegendButton->setAutoRaise(true);
    connect(colourLegendButton, &QToolButton::clicked, this, &MainWindow::showColourLegend);
    renewalStatusBar->addPermanentWidget(colourLegendButton);
    // The model reports every change of the register and of its colours.
    connect(model_, &QAbstractItemModel::modelReset, this, &MainWindow::showRenewalStatus);
    connect(model_, &QAbstractItemModel::dataChanged, this, &MainWindow::showRenewalStatus);
    showRenewalStatus();
}

void MainWindow::showRenewalStatus() {
    renewalStatusLabel->setText(
        linkedStatus(renewal::summarise(state_.store.records(), clock_.today())));
}
