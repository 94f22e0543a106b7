#pragma once

#include "record/recordstore.h"
#include "record/registeraction.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>

class QAction;

// Undo and redo of the changes to the register, on one QUndoStack.
//
// A change is recorded around the code that makes it, so that the routines which change the
// register need not know about undo:
//     begin(text);  ...append, replace, delete, remove duplicates, merge or import, then sort and
//     colour as usual...;  commit();
// or the same through a Change guard. begin() notes the register as it stands; commit() pushes
// one step that keeps only the rows that differ (with their places, numbers, colours and
// identities), and pushes nothing when nothing differs. The change being made already, pushing
// does not redo it. Recordings nest: an inner one (the duplicate check inside a merge) becomes
// part of the outer step and its text is not used. Nothing else may change the register between
// begin() and commit().
//
// Undo and redo put those rows back by identity; every other row stays as it is, in its order.
// Afterwards restored() is emitted: the window sorts and colours then, as after any change
// (a no-op when the step was recorded after the window's sort).
//
// The store's Modified follows the stack's clean state: call opened() when a file has been
// opened (nothing to undo, and this is the state of the file) and saved() when the data file has
// been written. Undoing back to either is no change. Modified set by hand lasts only until the
// next step, undo or redo; unsaved() makes it last until the next save or open.

// The Edit menu's captions: 「元に戻す（削除 ＪＡ１ＡＢＣ）」, or 「元に戻す」 when there is
// nothing to undo; the same with 「やり直し」.
QString undoCaption(const QUndoStack& stack);
QString redoCaption(const QUndoStack& stack);

class RegisterUndo : public QObject {
    Q_OBJECT
public:
    explicit RegisterUndo(RecordStore& store, QObject* parent = nullptr);
    ~RegisterUndo() override;

    QUndoStack& stack() { return stack_; }
    const QUndoStack& stack() const { return stack_; }

    // Records the change made during its lifetime as one step.
    class Change {
    public:
        Change(RegisterUndo& undo, const QString& text) : undo_(undo) { undo_.begin(text); }
        ~Change() { undo_.commit(); }
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        RegisterUndo& undo_;
    };

    void begin(const QString& text);
    // Ends the outermost recording: true when a step was pushed.
    bool commit();
    bool recording() const { return depth_ > 0; }

    // Ignored while a change is being recorded.
    void undo();
    void redo();

    // A file was opened: nothing left to undo, and not modified. Drops a recording under way.
    void opened();
    // The data file was written: not modified, until the next change, undo or redo.
    void saved();
    // The register differs from its file with nothing to undo (a recovery copy was restored):
    // modified until it is saved, whatever is undone.
    void unsaved();

    // Menu items that undo and redo, their captions and enabled state kept up to date.
    void attach(QAction* undoAction, QAction* redoAction);

signals:
    // An undo or redo changed the register.
    void restored();

private:
    struct Snapshot;

    void syncModified();

    RecordStore& store_;
    QUndoStack stack_;
    int depth_ = 0;
    QString text_;
    std::unique_ptr<Snapshot> before_;
};
