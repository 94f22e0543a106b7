// The main window on a program folder, run as a process of its own so that a test can kill it:
//   recoverydriver FOLDER change   deletes the first station, waits for the recovery copy,
//                                  prints the register and "ready", and runs until killed;
//   recoverydriver FOLDER start    starts as the program does, answers はい to every question,
//                                  prints each question and then the register, and ends.
#include "mainwin/mainwindow.h"
#include "platform/clock.h"
#include "record/recovery.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

class AnsweringPrompter final : public Prompter {
public:
    Answer message(const Message& message, QWidget*) override {
        std::printf("question: %s\n", message.text.toUtf8().constData());
        return message.buttons == Buttons::Ok || message.buttons == Buttons::OkCancel ? Answer::Ok
                                                                                      : Answer::Yes;
    }
    std::optional<QString> fileName(const FileRequest&, QWidget*) override { return {}; }
    std::optional<quint32> colour(const ColourRequest&, QWidget*) override { return {}; }
};

void printRegister(const RecordStore& store) {
    for (int i = 1; i <= store.Count(); ++i)
        std::printf("station: %s\n", store.record(i).trimmed(Field::CallSign).toUtf8().constData());
    std::printf("modified: %d\n", int(store.Modified));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    AppState state;
    state.program = ProgramInfo::withFolder(QString::fromLocal8Bit(argv[1]));
    AnsweringPrompter prompter;
    SystemClock clock;
    MainWindow window(state, prompter, clock);
    if (qstrcmp(argv[2], "change") != 0) {
        printRegister(state.store);
        return 0;
    }
    // As the edit dialog's 削除 does.
    window.deleteRecord(1);
    state.store.Modified = 1;
    // The copy is written by the window's own timer, as in a real run.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!findRecovery(state.program.folder, state.store.DataFile))
            return;
        poll.stop();
        printRegister(state.store);
        std::printf("ready\n");
        std::fflush(stdout);
    });
    poll.start(100);
    return app.exec();
}
