#pragma once

#include "platform/prompter.h"

// The real prompter: QMessageBox, QFileDialog and QColorDialog.
class QtPrompter final : public Prompter {
public:
    Answer message(const Message& message, QWidget* parent) override;
    std::optional<QString> fileName(const FileRequest& request, QWidget* parent) override;
    std::optional<quint32> colour(const ColourRequest& request, QWidget* parent) override;

    // "desc (*.a)|*.a|desc (*.b)|*.b|" to Qt's "desc (*.a);;desc (*.b)".
    static QString toQtFilter(const QString& filter);
};
