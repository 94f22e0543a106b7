#pragma once

#include "platform/prompter.h"

#include <QString>
#include <optional>

class QWidget;

// The main window's one file dialog, used for opening, merging and saving the data file. Each
// use sets its title, filter, flags and start folder; the open and merge dialogs start with
// the name of the dialog's last use, the save dialog with the given name.
class DataFileDialog {
public:
    DataFileDialog(Prompter& prompter, QString startFolder);

    // The chosen name, or nothing when the user cancelled.
    std::optional<QString> showOpen(const QString& title, QWidget* parent);
    std::optional<QString> showSave(const QString& title, const QString& fileName, QWidget* parent);

    const QString& fileName() const { return fileName_; }

    static const QString& filter();
    static constexpr int kOpenFlags = Prompter::HideReadOnly | Prompter::FileMustExist;
    static constexpr int kSaveFlags =
        Prompter::OverwritePrompt | Prompter::HideReadOnly | Prompter::CreatePrompt;

private:
    std::optional<QString> show(Prompter::FileRequest request, QWidget* parent);

    Prompter& prompter_;
    QString startFolder_;
    QString fileName_;
};

// The data file name for a name chosen in the dialog: one ending in ".stn" in any case, as it
// was chosen. Nothing for any other name.
std::optional<QString> dataFileName(const QString& chosen);
