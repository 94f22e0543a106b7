#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;

// Every modal question the program asks goes through this seam: message boxes, the open and
// save file dialogs and the colour picker. The program uses QtPrompter; tests script answers.
class Prompter {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Question, Warning };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        Message() = default;
        Message(QString text, QString title, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                std::optional<Answer> defaultAnswer = std::nullopt)
            : text(std::move(text)), title(std::move(title)), buttons(buttons), icon(icon),
              defaultAnswer(defaultAnswer) {}

        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        // The button that Enter presses; unset leaves the box's own choice (the first).
        std::optional<Answer> defaultAnswer;
    };

    // Flags of the file dialogs, with the values the dialogs were designed with.
    enum FileFlag : int {
        OverwritePrompt = 2,
        HideReadOnly = 4,
        CreatePrompt = 8192,
        FileMustExist = 4096,
    };

    struct FileRequest {
        enum class Kind { Open, Save };
        Kind kind = Kind::Open;
        QString title;
        // "description|pattern|description|pattern|" as the program writes it.
        QString filter;
        int filterIndex = 0;
        QString startFolder;
        QString fileName; // shown at first; may be a full path
        int flags = 0;
    };

    struct ColourRequest {
        QString title;
        quint32 initial = 0; // 0x00BBGGRR
    };

    virtual ~Prompter() = default;

    virtual Answer message(const Message& message, QWidget* parent) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> fileName(const FileRequest& request, QWidget* parent) = 0;
    // The chosen colour as 0x00BBGGRR, or nothing when the user cancelled.
    virtual std::optional<quint32> colour(const ColourRequest& request, QWidget* parent) = 0;

    // The file dialog with everything its flags ask for: as fileName(), and with CreatePrompt a
    // save dialog takes a name that does not exist yet only once the user agrees to create it;
    // otherwise the dialog comes back with that name.
    std::optional<QString> chooseFile(FileRequest request, QWidget* parent);
};
