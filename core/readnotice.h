#pragma once

#include <QString>

struct DealField;

// A stored field that was not read because the program could not use it as it stands: a figure
// too large for its field to show, a text longer than its edit takes, or an entry of the
// profile's plain numbers that is no number. The field keeps what it
// held before, and the user is told which one it was.
struct ReadNotice
{
    enum Kind { FigureTooLarge, TextTooLong, NotANumber };
    Kind kind;
    const DealField *field; // the field, as the deal's field table lists it
    int loan = 0;   // the loan's number (1 to 5) for a loan field
    int line = 0;   // the file's line (the first is 1); 0 for the profile
    QString text;   // what was stored
    QString entry;  // the profile entry, for the profile
    QString held;   // what the field held instead, as shown; while it still does, the profile
                    // keeps its stored text

    // The message for the user, naming the field.
    [[nodiscard]] QString message() const;
};

// The longest description or lender name the program keeps: the edits take no more, and a
// longer stored one is refused rather than cut.
constexpr int MaxTextLength = 1000;
