#pragma once

#include "record/stationrecord.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>
#include <utility>

// What the entry dialogs do with the texts of their fifteen boxes, apart from any widget: the
// required-field check, the checks that the data file can hold every character and every
// byte, the applicant boxes that copy the holder's, and the record the texts become.
namespace entryform {

constexpr int kBoxCount = 15;
using Texts = std::array<QString, kBoxCount>;

// The record field that box (0..14) edits. The boxes are not in the record's field order.
Field fieldOfBox(int box);
// How a message names the box.
QString boxName(int box);

// The boxes that must not be empty: call sign, licence number, holder's name, station address.
constexpr std::array<int, 4> kRequiredBoxes{0, 1, 2, 5};

// The message for the empty required boxes, or an empty text when none is empty. A box is
// empty when nothing but half-width spaces is left; an ideographic space is text.
// addressPiece names the station address in the dialog's own words.
QString missingFieldsMessage(const Texts& texts, QStringView addressPiece);

// The text box i stores: call sign and licence number widened to full-width characters, every
// text trimmed of half-width spaces at both ends.
QString storedText(const Texts& texts, int box);
// The same for one text of box.
QString asStored(int box, const QString& text);
// The bytes box's field keeps in the data file.
int storedByteLimit(int box);

// How the dialog names each box in a message.
using BoxNames = std::array<QString, kBoxCount>;
// "「免許番号」は全角10文字（20バイト）までです。" for the first box (or the station type) whose
// stored text takes more code page 932 bytes than its field keeps, which saving would cut; an
// empty text when everything fits.
QString overlongMessage(const Texts& texts, QStringView stationType, const BoxNames& names);

// "申請者に同じ": each holder box (name, reading, postal code, address lines) and the
// applicant box it fills.
constexpr std::array<std::pair<int, int>, 5> kHolderToApplicant{
    {{2, 9}, {3, 10}, {4, 11}, {5, 12}, {6, 13}}};

// A message naming the first box (or the station type) that holds a character code page 932
// cannot hold, which saving would corrupt; an empty text when everything can be stored.
QString unstorableMessage(const Texts& texts, QStringView stationType);

// The record the texts make: each stored text as a fixed-width value (cut or padded).
StationRecord toRecord(const Texts& texts, QDate expiry, QStringView stationType);

} // namespace entryform
