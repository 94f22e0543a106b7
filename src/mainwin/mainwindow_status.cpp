// The status line under the grid: how the register stands with its application windows.
#include "mainwin/mainwindow.h"

#include "mainwin/recordgridmodel.h"
#include "record/renewalwindow.h"

#include <QLabel>
#include <QStatusBar>

void MainWindow::buildStatusLine() {
    renewalStatusBar = statusBar();
    renewalStatusBar->setObjectName(QStringLiteral("renewalStatusBar"));
    renewalStatusLabel = new QLabel(renewalStatusBar);
    renewalStatusLabel->setObjectName(QStringLiteral("renewalStatusLabel"));
    renewalStatusBar->addWidget(renewalStatusLabel, 1);
    // The model reports every change of the register and of its colours.
    connect(model_, &QAbstractItemModel::modelReset, this, &MainWindow::showRenewalStatus);
    connect(model_, &QAbstractItemModel::dataChanged, this, &MainWindow::showRenewalStatus);
    showRenewalStatus();
}

void MainWindow::showRenewalStatus() {
    renewalStatusLabel->setText(
        renewal::statusText(renewal::summarise(state_.store.records(), clock_.today())));
}
