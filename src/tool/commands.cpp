// The dispatcher of velmora-tool: the command table, and the help that "--help" prints.
#include "tool/commands.h"

#include "tool/batch.h"
#include "tool/calendar.h"
#include "tool/csvcommands.h"
#include "tool/due.h"
#include "tool/dump.h"
#include "tool/printanswers.h"
#include "tool/render.h"
#include "tool/standardoutput.h"

#include "record/datafilelock.h"

#include <algorithm>
#include <cstdio>

namespace tool {

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args);
    // What "velmora-tool NAME --help" prints: the usage line, the print answers' options where
    // the command takes them, and what the command does with its options.
    const char* usage;
    const char* notes;
    bool printAnswers = false;
    // The option naming the data file the command writes, or nullptr for a command that only
    // reads. The file stays locked while the command runs, as it does while the program has it
    // open, so that the two never write over each other.
    const char* writes = nullptr;
};

const Command kCommands[] = {
    {"dump", &dump, "usage: velmora-tool dump FILE.stn [--sorted]\n",
     "  The register as JSON Lines (UTF-8), one station per line, in file order.\n"
     "  --sorted  in the order the program lists it (by expiry date)\n"},
    {"render", &render,
     "usage: velmora-tool render FILE.stn --record N --doc form|bureau|return --out "
     "OUT.pdf|OUT.png\n"
     "         [--dpi N]\n",
     "  One printed page of station N as PDF or PNG.\n"
     "  --record  the station's number in the program's order (as dump --sorted lists it)\n"
     "  --doc     the application form, the bureau envelope or the return envelope\n"
     "  --dpi     resolution of a PNG, 36 to 1200\n",
     true},
    {"due", &due, "usage: velmora-tool due FILE.stn [--on DATE] [--json]\n",
     "  Every station's application window (opens, closes) and its state.\n"
     "  --on    the day the states are for (default today), era or ISO\n"
     "  --json  JSON Lines instead of a table\n"},
    {"batch", &batch,
     "usage: velmora-tool batch FILE.stn --out OUT.pdf [--on DATE] [--docs form,bureau,return]\n"
     "         [--records N,M,...]\n",
     "  The documents of the stations due on DATE as one PDF.\n"
     "  --on       the day whose open application windows are printed (default today)\n"
     "  --docs     the documents of each station (default all three)\n"
     "  --records  these stations instead, by their numbers in the program's order\n",
     true},
    {"calendar", &calendar,
     "usage: velmora-tool calendar FILE.stn --out renewals.ics [--on DATE]\n",
     "  The application windows as an iCalendar file.\n"
     "  --on  stations expired before this day are left out (default today), era or ISO\n"},
    {"export", &exportCsv,
     "usage: velmora-tool export FILE.stn --out OUT.csv [--encoding utf-8|cp932]\n",
     "  The register as CSV, in the program's order.\n"
     "  --encoding  UTF-8 with a byte order mark (default), or code page 932\n"},
    {"import", &importCsv,
     "usage: velmora-tool import IN.csv --into FILE.stn [--dry-run] [--strict]\n",
     "  Updates the stations of FILE.stn (created when missing) that the rows of a CSV file\n"
     "  name, by call sign and licence number, adds the others, prints what changed and makes\n"
     "  the day's backup copy beside it. Refused while another program has FILE.stn open.\n"
     "  --dry-run  prints what would change and writes nothing\n"
     "  --strict   refuses the import when there is any warning (a lost leading zero)\n",
     false, "--into"},
};

const char* const kOverview =
    "usage: velmora-tool COMMAND ...\n"
    "  dump FILE.stn [--sorted]   the register as JSON Lines, one station per line\n"
    "                              (--sorted: in the program's order, by expiry)\n"
    "  render FILE.stn  one printed page of a station as PDF or PNG\n"
    "  due FILE.stn      every station's application window and its state\n"
    "  batch FILE.stn    the documents of the stations due now as one PDF\n"
    "  calendar FILE.stn the application windows as an iCalendar file\n"
    "  export FILE.stn --out OUT.csv [--encoding utf-8|cp932]\n"
    "                              the register as CSV, in the program's order\n"
    "  import IN.csv --into FILE.stn [--dry-run] [--strict]\n"
    "                              updates and adds the stations of a CSV file\n"
    "velmora-tool COMMAND --help shows the options of a command.\n";

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

bool asksForHelp(const QString& arg) {
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// Help that was asked for goes to standard output and succeeds; usage after a mistake goes to
// standard error.
int help(const Command& command) {
    QByteArray text = command.usage;
    if (command.printAnswers)
        text += kPrintAnswersUsage;
    text += command.notes;
    return finishStandardOutput(writeStandardOutput(text)) ? 0 : 1;
}

} // namespace

int run(const QStringList& arguments) {
    if (arguments.size() == 2 && asksForHelp(arguments[1]))
        return finishStandardOutput(writeStandardOutput(kOverview)) ? 0 : 1;
    if (arguments.size() >= 2) {
        for (const Command& command : kCommands) {
            if (arguments[1] != QLatin1String(command.name))
                continue;
            const QStringList args = arguments.mid(2);
            if (std::any_of(args.begin(), args.end(), asksForHelp))
                return help(command);
            return runLocked(command, args);
        }
    }
    std::fputs(kOverview, stderr);
    return 2;
}

} // namespace tool
