// The status line under the grid: how the register stands with its application windows.
#include "mainwin/mainwindow.h"

#include "mainwin/recordgridmodel.h"
#include "record/renewalwindow.h"

#include <QLabel>
#include <QStatusBar>

void MainWindow::buildStatusLine() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    Label1 = new QLabel(StatusBar1);
    Label1->setObjectName(QStringLiteral("Label1"));
    StatusBar1->addWidget(Label1, 1);
    // The model reports every change of the register and of its colours.
    connect(model_, &QAbstractItemModel::modelReset, this, &MainWindow::showRenewalStatus);
    connect(model_, &QAbstractItemModel::dataChanged, this, &MainWindow::showRenewalStatus);
    showRenewalStatus();
}

void MainWindow::showRenewalStatus() {
    Label1->setText(
        renewal::statusText(renewal::summarise(state_.store.records(), clock_.today())));
}
