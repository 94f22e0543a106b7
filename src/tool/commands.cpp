#include "tool/commands.h"

#include "tool/batch.h"
#include "tool/calendar.h"
#include "tool/csvcommands.h"
#include "tool/due.h"
#include "tool/dump.h"
#include "tool/render.h"

#include "record/datafilelock.h"

#include <cstdio>

namespace tool {

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args);
    // The option naming the data file the command writes, or nullptr for a command that only
    // reads. The file stays locked while the command runs, as it does while the program has it
    // open, so that the two never write over each other.
    const char* writes;
};

const Command kCommands[] = {
    {"dump", &dump, nullptr},         {"render", &render, nullptr},
    {"due", &due, nullptr},           {"batch", &batch, nullptr},
    {"calendar", &calendar, nullptr}, {"export", &exportCsv, nullptr},
    {"import", &importCsv, "--into"},
};

int runLocked(const Command& command, const QStringList& args) {
    DataFileLock lock;
    const qsizetype option = command.writes ? args.indexOf(QLatin1String(command.writes)) : -1;
    if (option >= 0 && option + 1 < args.size()) {
        if (const Result locked = lock.tryLock(args[option + 1]); !locked) {
            std::fprintf(stderr, "%s\n", locked.error.toUtf8().constData());
            return 1;
        }
    }
    return command.run(args);
}

void usage() {
    std::fputs("usage: velmora-tool COMMAND ...\n"
               "  dump FILE.stn [--sorted]   the register as JSON Lines, one station per line\n"
               "                              (--sorted: in the program's order, by expiry)\n"
               "  render FILE.stn  one printed page of a station as PDF or PNG\n"
               "  due FILE.stn      every station's application window and its state\n"
               "  batch FILE.stn    the documents of the stations due now as one PDF\n"
               "  calendar FILE.stn the application windows as an iCalendar file\n"
               "  export FILE.stn --out OUT.csv [--encoding utf-8|cp932]\n"
               "                              the register as CSV, in the program's order\n"
               "  import IN.csv --into FILE.stn [--dry-run] [--strict]\n"
               "                              updates and adds the stations of a CSV file\n",
               stderr);
}

} // namespace

int run(const QStringList& arguments) {
    if (arguments.size() < 2) {
        usage();
        return 2;
    }
    for (const Command& command : kCommands) {
        if (arguments[1] == QLatin1String(command.name))
            return runLocked(command, arguments.mid(2));
    }
    usage();
    return 2;
}

} // namespace tool
