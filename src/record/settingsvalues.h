#pragma once

#include <QString>
#include <array>
#include <optional>

// The values kept in the settings file, named by their keys. The main window applies the
// window and grid values; the other windows read and change the rest during the run.
struct SettingsValues {
    static constexpr int kGridColumns = 18;
    // Range of the four print offsets (the form's and the envelopes').
    static constexpr qint32 kOffsetMinimum = -1000;
    static constexpr qint32 kOffsetMaximum = 1000;

    // Main window geometry in twips; unset until read (the window keeps its designed place).
    std::optional<float> MainLeft, MainTop, MainWidth, MainHeight;

    qint32 ViewLeft = 0, ViewTop = 0, ViewWidth = 0, ViewHeight = 0;
    qint32 NewLeft = 0, NewTop = 0;
    qint32 EditLeft = 0, EditTop = 0;
    qint16 Zoom = 0;
    // Colours (0x00BBGGRR) of the form's own wording and of the data printed on it.
    qint32 formColour = 0, dataColour = 0;
    // How far the form and the envelopes move on the page, in steps of 10 twips.
    qint32 formOffsetDown = 0, formOffsetAcross = 0;
    qint32 envelopeOffsetAcross = 0, envelopeOffsetDown = 0;

    // Column widths in twips; unset columns keep the grid's own default width.
    std::array<std::optional<qint32>, kGridColumns> Grid{};

    QString DataFile;

    bool operator==(const SettingsValues&) const = default;
};
