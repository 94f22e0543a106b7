#include "platform/gui/qtprompter.h"

#include "platform/gui/colours.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

Prompter::Answer QtPrompter::message(const Message& message, QWidget* parent) {
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (message.defaultAnswer) {
        switch (*message.defaultAnswer) {
        case Answer::Yes:
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Answer::No:
            box.setDefaultButton(QMessageBox::No);
            break;
        case Answer::Ok:
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case Answer::Cancel:
            box.setDefaultButton(QMessageBox::Cancel);
            break;
        }
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Esc or the close box: the safe answer for each kind of box.
        return message.buttons == Buttons::YesNo ? Answer::No
               : message.buttons == Buttons::Ok  ? Answer::Ok
                                                 : Answer::Cancel;
    }
}

QString QtPrompter::toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty())
            entries << parts[i];
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtPrompter::fileName(const FileRequest& request, QWidget* parent) {
    QFileDialog dialog(parent, request.title, request.startFolder, toQtFilter(request.filter));
    const bool save = request.kind == FileRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !(request.flags & OverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = dialog.nameFilters();
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog.selectNameFilter(filters[request.filterIndex]);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<quint32> QtPrompter::colour(const ColourRequest& request, QWidget* parent) {
    const QColor chosen =
        QColorDialog::getColor(colours::toQColor(request.initial), parent, request.title);
    if (!chosen.isValid())
        return std::nullopt;
    return colours::fromQColor(chosen);
}
