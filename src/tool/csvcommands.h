#pragma once

#include <QStringList>

namespace tool {

// velmora-tool export FILE.stn --out OUT.csv [--encoding utf-8|cp932]
// The register in the program's order (by expiry), written as a whole or not at all.
int exportCsv(const QStringList& args);

// velmora-tool import IN.csv --into FILE.stn
// Appends the stations of the CSV to FILE.stn (created when missing), written as a whole or
// not at all, then makes the day's backup copy as the program's save does. Nothing is written
// unless the whole CSV is good and the register stays within its limit. The program sorts the
// register when it opens it; its 重複チェック removes duplicates.
int importCsv(const QStringList& args);

} // namespace tool
