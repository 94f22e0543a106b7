#pragma once

#include "platform/prompter.h"

#include <QString>
#include <deque>
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

    Answer message(const Message& message, QWidget* parent) override;
    std::optional<QString> fileName(const FileRequest& request, QWidget* parent) override;
    std::optional<quint32> colour(const ColourRequest& request, QWidget* parent) override;

    const std::vector<Seen>& seen() const { return seen_; }
    // Texts of the message boxes shown so far.
    std::vector<QString> messages() const;
    const Message* lastMessage() const;
    const FileRequest* lastFileRequest() const;
    bool allAnswersUsed() const { return answers_.empty() && files_.empty() && colours_.empty(); }

private:
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> files_;
    std::deque<std::optional<quint32>> colours_;
    std::vector<Seen> seen_;
};
