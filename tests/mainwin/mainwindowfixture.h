#pragma once

#include "mainwin/frmmain.h"
#include "platform/clock.h"
#include "record/appstate.h"
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "stations.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A main window on a temporary program folder, with scripted answers, a fixed today and
// openers that only note that they were called.
class MainWindowTest : public ::testing::Test {
protected:
    TempFolder program;
    TempFolder data;
    AppState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDate(2024, 4, 1)};
    std::vector<std::string> opened;
    int finishedCount = 0;

    void SetUp() override { state.program = ProgramInfo::withFolder(program.path()); }

    WindowOpeners openers() {
        WindowOpeners o;
        o.newRegistration = [this](frmMain&) { opened.push_back("new"); };
        o.edit = [this](frmMain&) { opened.push_back("edit"); };
        o.print = [this](frmMain&) { opened.push_back("print"); };
        o.batch = [this](frmMain&) { opened.push_back("batch"); };
        o.options = [this](frmMain&) { opened.push_back("options"); };
        o.about = [this](frmMain&) { opened.push_back("about"); };
        return o;
    }

    // Writes a settings file (so that start-up asks nothing) with these values.
    void writeSettings(const SettingsValues& values = {}) {
        ASSERT_TRUE(settingsfile::WriteSettings(settingsPath(), values));
    }
    QString settingsPath() const { return program.file(QLatin1String(settingsfile::kFileName)); }
    SettingsValues readBackSettings() const {
        SettingsValues values;
        settingsfile::ReadSettings(settingsPath(), values);
        return values;
    }

    // A data file in the data folder, with a BackUp folder beside it.
    QString writeRegister(const QString& name, const std::vector<StationRecord>& records) {
        QDir(data.path()).mkpath(QStringLiteral("BackUp"));
        const QString path = data.file(name);
        EXPECT_TRUE(datafile::writeFile(path, records));
        return path;
    }

    std::unique_ptr<frmMain> start() {
        auto window = std::make_unique<frmMain>(state, prompter, clock, openers());
        QObject::connect(window.get(), &frmMain::finished, [this] { ++finishedCount; });
        return window;
    }

    // Starts with a settings file naming dataFile (may be empty).
    std::unique_ptr<frmMain> startWith(const QString& dataFile) {
        SettingsValues values;
        values.DataFile = dataFile;
        writeSettings(values);
        return start();
    }

    // Rows of the grid, the header row included.
    static int gridRows(frmMain& window) { return window.Grid1->model()->rowCount() + 1; }

    static QString cell(frmMain& window, int row, int column) {
        const QAbstractItemModel* model = window.Grid1->model();
        return model->data(model->index(row - 1, column)).toString();
    }
};
