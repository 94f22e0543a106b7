#include "platform/gui/fonts.h"
#include "settings/appicon.h"
#include "settings/frmabout.h"
#include "settings/frmoptions.h"
#include "support/scriptedprompter.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QWidget>
#include <array>
#include <gtest/gtest.h>

#include "screenshot.h"

TEST(SettingsScreens, OptionsDialog) {
    fonts::installSubstitutions();
    AppState state;
    state.settings.YohakuLeft = 25;
    state.settings.YohakuTop = -10;
    state.settings.FutoLeft = 10;
    state.settings.FutoTop = 0;
    state.settings.MojiShoku = 0x0000FF; // red
    state.settings.frmShoku = 0;
    ScriptedPrompter prompter;
    QWidget main;
    main.setGeometry(100, 100, 900, 600);
    frmOptions dialog(state, prompter, &main);
    dialog.show();
    saveAndCheck(dialog.grab().toImage(), QStringLiteral("settings_frmOptions.png"));
    dialog.Command3Click();
}

TEST(SettingsScreens, AboutBox) {
    fonts::installSubstitutions();
    AppState state;
    state.program = ProgramInfo::withFolder(QDir::tempPath());
    QWidget main;
    main.setGeometry(100, 100, 900, 600);
    frmAbout box(state, &main);
    box.show();
    saveAndCheck(box.grab().toImage(), QStringLiteral("settings_frmAbout.png"));
    box.cmdOKClick();
}

TEST(SettingsScreens, ProgramIcon) {
    // The icon at the sizes a desktop shows it, side by side on a light and a dark ground.
    const QIcon icon = appIcon();
    const std::array<int, 5> sizes{16, 24, 32, 48, 256};
    int width = 8;
    for (const int size : sizes)
        width += size + 8;
    QImage sheet(width, 2 * (256 + 16), QImage::Format_ARGB32);
    sheet.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter painter(&sheet);
    painter.fillRect(0, 256 + 16, width, 256 + 16, QColor(0x30, 0x30, 0x30));
    int x = 8;
    for (const int size : sizes) {
        const QPixmap pixmap = icon.pixmap(size, size);
        painter.drawPixmap(x, 8 + (256 - size), pixmap);
        painter.drawPixmap(x, 256 + 16 + 8 + (256 - size), pixmap);
        x += size + 8;
    }
    painter.end();
    saveAndCheck(sheet, QStringLiteral("settings_icon.png"));
}
