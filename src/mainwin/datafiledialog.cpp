// The main window's file dialog for the data file, and the data file's name check.
#include "mainwin/datafiledialog.h"

DataFileDialog::DataFileDialog(Prompter& prompter, QString startFolder)
    : prompter_(prompter), startFolder_(std::move(startFolder)) {}

const QString& DataFileDialog::filter() {
    static const QString text =
        QStringLiteral("すべてのファイル (*.*)|*.*|Velmoraﾃﾞｰﾀのファイル (*.stn)|*.stn|");
    return text;
}

std::optional<QString> DataFileDialog::show(Prompter::FileRequest request, QWidget* parent) {
    request.filter = filter();
    request.filterIndex = 0;
    request.startFolder = startFolder_;
    std::optional<QString> chosen = prompter_.chooseFile(request, parent);
    if (chosen)
        fileName_ = *chosen;
    return chosen;
}

std::optional<QString> DataFileDialog::showOpen(const QString& title, QWidget* parent) {
    Prompter::FileRequest request;
    request.kind = Prompter::FileRequest::Kind::Open;
    request.title = title;
    request.fileName = fileName_;
    request.flags = kOpenFlags;
    return show(request, parent);
}

std::optional<QString> DataFileDialog::showSave(const QString& title, const QString& fileName,
                                                QWidget* parent) {
    fileName_ = fileName;
    Prompter::FileRequest request;
    request.kind = Prompter::FileRequest::Kind::Save;
    request.title = title;
    request.fileName = fileName_;
    request.flags = kSaveFlags;
    return show(request, parent);
}

std::optional<QString> dataFileName(const QString& chosen) {
    if (chosen.size() < 4 || chosen.right(4).compare(QLatin1String(".STN"), Qt::CaseInsensitive))
        return std::nullopt;
    // Kept as chosen: a file copied from Windows or a FAT stick is often "LIST.STN", and
    // lower-casing its extension would name another file on this system.
    return chosen;
}
