#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

Prompter::Answer ScriptedPrompter::message(const Message& message, QWidget*) {
    seen_.push_back({Seen::Kind::Message, message, {}, {}});
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted message box: " << message.text.toStdString();
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompter::fileName(const FileRequest& request, QWidget*) {
    seen_.push_back({Seen::Kind::File, {}, request, {}});
    if (files_.empty()) {
        ADD_FAILURE() << "unscripted file dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    const bool cancelled = !files_.front().has_value();
    const QString path = cancelled ? QString() : *files_.front();
    files_.pop_front();
    if (cancelled)
        return std::nullopt;
    return path;
}

std::optional<quint32> ScriptedPrompter::colour(const ColourRequest& request, QWidget*) {
    seen_.push_back({Seen::Kind::Colour, {}, {}, request});
    if (colours_.empty()) {
        ADD_FAILURE() << "unscripted colour picker";
        return std::nullopt;
    }
    auto colour = colours_.front();
    colours_.pop_front();
    return colour;
}

std::vector<QString> ScriptedPrompter::messages() const {
    std::vector<QString> texts;
    for (const Seen& s : seen_) {
        if (s.kind == Seen::Kind::Message)
            texts.push_back(s.message.text);
    }
    return texts;
}

const Prompter::Message* ScriptedPrompter::lastMessage() const {
    for (auto it = seen_.rbegin(); it != seen_.rend(); ++it) {
        if (it->kind == Seen::Kind::Message)
            return &it->message;
    }
    return nullptr;
}

const Prompter::FileRequest* ScriptedPrompter::lastFileRequest() const {
    for (auto it = seen_.rbegin(); it != seen_.rend(); ++it) {
        if (it->kind == Seen::Kind::File)
            return &it->file;
    }
    return nullptr;
}
