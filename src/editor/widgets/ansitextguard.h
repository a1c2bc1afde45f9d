#pragma once

class QLineEdit;
class QPlainTextEdit;

// Keeps the characters that the game's texts (Windows-1252) cannot hold out of
// a text field, so that no name or text is changed unseen when it is stored:
// a typed one is refused, pasted or dropped ones are replaced (an accented
// letter by its base letter, anything else by "?"). Either way the field
// says why in its tooltip, shown at once, until the user leaves the field.
namespace AnsiTextGuard {

void install(QLineEdit *field);
void install(QPlainTextEdit *field);

} // namespace AnsiTextGuard
