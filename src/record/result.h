#pragma once

#include <QString>

// Outcome of a reader or writer: success, or an error text in the user's language (the
// platform's own text where it has one). Nothing throws across the event loop.
struct Result {
    bool ok = true;
    QString error;

    static Result success() { return {}; }
    static Result failure(QString text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};
