#pragma once

#include <QStringList>

namespace tool {

// velmora-tool export FILE.stn --out OUT.csv [--encoding utf-8|cp932]
// The register in the program's order (by expiry), written as a whole or not at all.
int exportCsv(const QStringList& args);

// velmora-tool import IN.csv --into FILE.stn [--dry-run] [--strict]
// Matches the stations of the CSV to those of FILE.stn (created when missing) as the program's
// CSV import does (importplan.h): updates the matched ones, adds the others, and prints what it
// did. The warnings of the import go to stderr; with --strict any warning refuses the import.
// --dry-run prints the same and writes nothing. The file is written as a whole or not at all,
// then the day's backup copy is made as the program's save does. Nothing is written unless the
// whole CSV is good and the register stays within its limit.
int importCsv(const QStringList& args);

} // namespace tool
