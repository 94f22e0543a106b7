#pragma once

#include "entry/entrybox.h"
#include "entry/entryform.h"
#include "record/settingsvalues.h"

#include <array>

// How the two entry dialogs are laid out, in twips. Controls inside a frame are placed relative
// to the frame. Both dialogs share the controls of this design; each adds its own buttons.
struct EntryDesign {
    struct Frame {
        const char16_t* caption;
        int left, top, width, height;
    };
    struct Box {
        const char16_t* caption; // beside the box, kept with every space
        int limit;               // characters
        EntryBox::InputMode mode;
        int left, top, width;
        int captionLeft;
    };

    const char16_t* objectName;
    const char16_t* title;
    int clientWidth, clientHeight;
    // The window's place is kept in these settings values.
    qint32 SettingsValues::*left;
    qint32 SettingsValues::*top;

    std::array<Frame, 2> frames; // the licence (left), the applicant (right)
    // Boxes 0..8 stand in the left frame, 9..14 in the right one.
    std::array<Box, entryform::kBoxCount> boxes;
    static constexpr int kBoxHeight = 324;
    static constexpr int kFirstRightBox = 9;

    // The expiry date display with its caption, the three spin buttons (year, month, day) and
    // their unit captions, all in the left frame.
    int dateLeft, dateTop, dateWidth, dateHeight;
    const char16_t* dateCaption;
    int dateCaptionTop;
    std::array<int, 3> spinLefts;
    int spinTop, spinWidth, spinHeight;
    std::array<int, 3> unitLefts;
    int unitTop;

    // The station type box with its caption.
    int comboLeft, comboTop, comboWidth;
    const char16_t* comboCaption;
};

const EntryDesign& newRegistrationDesign();
const EntryDesign& editDesign();
