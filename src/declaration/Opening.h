#pragma once

#include <QString>

#include "declaration/DeclarationKey.h"

namespace zem {

// What the declaration window (or the batch tool) opens: a new declaration, one in preparation, or the copy
// of a sent one whose order number is to be registered.
enum class OpenMode { New, Existing, Sent };

// The declaration to open, handed from the list or the command line that chose it.
struct OpenRequest {
    OpenMode mode = OpenMode::New;
    // Existing and Sent: the declaration (Sent with its correl). New: key.ruc is the taxpayer when it is
    // already chosen (the batch tool), empty when the window lets the user choose it.
    DeclarationKey key;
    // Sent: the control code given on sending, against which the order number's check digits are verified.
    QString control;
    // The journal of unsaved edits left by a crash, whose edits are put back once the declaration is open
    // (EditJournal); empty for a plain opening.
    QString journal;

    static OpenRequest newDeclaration(const QString& ruc = {}) {
        OpenRequest r;
        r.key.ruc = ruc;
        return r;
    }
    static OpenRequest existing(const DeclarationKey& key) {
        OpenRequest r;
        r.mode = OpenMode::Existing;
        r.key = key;
        r.key.sent = false;
        r.key.correl.clear();
        return r;
    }
    static OpenRequest sentCopy(const DeclarationKey& key, const QString& control) {
        OpenRequest r;
        r.mode = OpenMode::Sent;
        r.key = key;
        r.key.sent = true;
        r.control = control;
        return r;
    }
};

}  // namespace zem
