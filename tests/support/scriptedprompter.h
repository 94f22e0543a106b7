#pragma once

#include "platform/prompter.h"

#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// Answers prompts from a queue and records every prompt it saw. A prompt nobody scripted fails
// the current test (and answers Cancel / nothing), so no test can hang on a modal box.
class ScriptedPrompter final : public Prompter {
public:
    struct Seen {
        enum class Kind { Message, File, Colour };
        Kind kind;
        Message message;      // Kind::Message
        FileRequest file;     // Kind::File
        ColourRequest colour; // Kind::Colour
    };

    void nextAnswer(Answer answer) { answers_.push_back(answer); }
    // A path, or std::nullopt for a cancelled dialog.
    void nextFileName(std::optional<QString> path) { files_.push_back(std::move(path)); }
    void nextColour(std::optional<quint32> colour) { colours_.push_back(colour); }

    Answer message(const Message& message, QWidget*) override {
        seen_.push_back({Seen::Kind::Message, message, {}, {}});
        return take(answers_, "message box: " + message.text.toStdString())
            .value_or(message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
    }
    std::optional<QString> fileName(const FileRequest& request, QWidget*) override {
        seen_.push_back({Seen::Kind::File, {}, request, {}});
        return take(files_, "file dialog: " + request.title.toStdString()).value_or(std::nullopt);
    }
    std::optional<quint32> colour(const ColourRequest& request, QWidget*) override {
        seen_.push_back({Seen::Kind::Colour, {}, {}, request});
        return take(colours_, "colour picker").value_or(std::nullopt);
    }

    const std::vector<Seen>& seen() const { return seen_; }
    // Texts of the message boxes shown so far.
    std::vector<QString> messages() const {
        std::vector<QString> texts;
        for (const Seen& s : seen_)
            if (s.kind == Seen::Kind::Message)
                texts.push_back(s.message.text);
        return texts;
    }
    const Message* lastMessage() const { return last(Seen::Kind::Message, &Seen::message); }
    const FileRequest* lastFileRequest() const { return last(Seen::Kind::File, &Seen::file); }
    bool allAnswersUsed() const { return answers_.empty() && files_.empty() && colours_.empty(); }

private:
    // The next scripted reply, or nothing (and a failure of the test) when none is left.
    template <typename T> static std::optional<T> take(std::deque<T>& replies, std::string prompt) {
        if (replies.empty()) {
            ADD_FAILURE() << "unscripted " << prompt;
            return std::nullopt;
        }
        T reply = std::move(replies.front());
        replies.pop_front();
        return reply;
    }
    template <typename T> const T* last(Seen::Kind kind, T Seen::*part) const {
        for (auto it = seen_.rbegin(); it != seen_.rend(); ++it) {
            if (it->kind == kind)
                return &(*it.*part);
        }
        return nullptr;
    }

    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> files_;
    std::deque<std::optional<quint32>> colours_;
    std::vector<Seen> seen_;
};
