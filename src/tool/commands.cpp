#include "tool/commands.h"

#include "tool/batch.h"
#include "tool/calendar.h"
#include "tool/csvcommands.h"
#include "tool/due.h"
#include "tool/dump.h"
#include "tool/render.h"

#include <cstdio>

namespace tool {

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args);
};

const Command kCommands[] = {
    {"dump", &dump},         {"render", &render},    {"due", &due},          {"batch", &batch},
    {"calendar", &calendar}, {"export", &exportCsv}, {"import", &importCsv},
};

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
            return command.run(arguments.mid(2));
    }
    usage();
    return 2;
}

} // namespace tool
