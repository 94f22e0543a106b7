#pragma once

#include "print/core/printfill.h"
#include "record/result.h"
#include "tool/printanswers.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tool {

// What `velmora-tool batch` was asked for.
struct BatchOptions : PrintAnswers {
    QString dataFile;
    QString out;
    QString on; // the day whose open windows are printed; empty: today
    std::array<bool, printfill::kDocumentCount> docs{true, true, true};
    std::vector<int> records; // numbers in the program's order; empty: every open window
};

struct ParsedBatch {
    Result result;
    BatchOptions options;
};
ParsedBatch parseBatchOptions(const QStringList& args);

// velmora-tool batch FILE.stn --out OUT.pdf [--on DATE] [--docs form,bureau,return]
//   [--records N,M,...] and the print answers of render.
int batch(const QStringList& args);

} // namespace tool
