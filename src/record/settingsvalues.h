#pragma once

#include <QString>
#include <array>
#include <optional>

// The values kept in the settings file, named by their keys. The main window applies the
// window and grid values; the other windows read and change the rest during the run.
struct SettingsValues {
    static constexpr int kGridColumns = 18;
    // Range of the print offsets YohakuLeft, YohakuTop, FutoLeft and FutoTop.
    static constexpr qint32 kOffsetMinimum = -1000;
    static constexpr qint32 kOffsetMaximum = 1000;

    // Main window geometry in twips; unset until read (the window keeps its designed place).
    std::optional<float> MainLeft, MainTop, MainWidth, MainHeight;

    qint32 ViewLeft = 0, ViewTop = 0, ViewWidth = 0, ViewHeight = 0;
    qint32 NewLeft = 0, NewTop = 0;
    qint32 EditLeft = 0, EditTop = 0;
    qint16 Zoom = 0;
    qint32 frmShoku = 0, MojiShoku = 0;
    qint32 YohakuLeft = 0, YohakuTop = 0;
    qint32 FutoLeft = 0, FutoTop = 0;

    // Column widths in twips; unset columns keep the grid's own default width.
    std::array<std::optional<qint32>, kGridColumns> Grid{};

    QString DataFile;

    bool operator==(const SettingsValues&) const = default;
};
