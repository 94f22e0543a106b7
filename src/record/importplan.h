#pragma once

#include "record/csvimport.h"
#include "record/recordstore.h"
#include "record/result.h"
#include "record/stationrecord.h"

#include <QString>
#include <QStringList>
#include <vector>

// What a CSV import does to a register, worked out before anything changes, so that it can be
// shown (or only shown: velmora-tool import --dry-run) and then applied as a whole.
//
// A spreadsheet round trip corrects stations rather than adding them, so each row of the file
// is matched to the register's stations by call sign and licence number (stationkey.h):
// - no station: the row is added;
// - one station: the row updates it, expiry included;
// - several stations (a licence and its renewal both kept): the one with the row's expiry; a
//   row whose expiry matches none of them is an error, as it cannot say which to update.
// Two rows that would update the same station are an error naming both rows. An update takes
// the file's value for every field the file has a column for, stored exactly as the file
// writes it, and keeps the station's other fields.
namespace csvfile {

struct StationUpdate {
    int station = 0;            // its number in the register, 1..Count()
    int row = 0;                // the file's row that updates it
    StationRecord record;       // the station as it becomes
    std::vector<Field> changed; // in record order; ExpiryDate for a new expiry
};

struct ImportPlan {
    std::vector<StationRecord> added;   // in file order
    std::vector<StationUpdate> updated; // in file order
    int unchanged = 0;
    QStringList warnings; // the import's warnings (csvimport.h), in file order
    bool changesNothing() const { return added.empty() && updated.empty(); }
};

struct PlannedImport {
    Result result; // failure: rows that match ambiguously or twice; nothing is planned
    ImportPlan plan;
};

PlannedImport planImport(const std::vector<StationRecord>& registered, const Imported& imported);

// Refused when the added stations would take a register of count stations past its limit.
Result checkRoom(int count, const ImportPlan& plan);

// Updates the stations in place (their numbers, colours and identities stay) and appends the
// added ones, as one change of the register. Refused, with nothing changed, past the limit.
// plan must have been made from store's records as they are.
Result applyImportPlan(RecordStore& store, const ImportPlan& plan);

// "追加 3件、更新 2件、変更なし 36件", then one line per updated station with the fields that
// change: "ＪＡ１ＡＡＡ（関第1号）：電話番号、免許期限".
QString planSummary(const ImportPlan& plan);

} // namespace csvfile
