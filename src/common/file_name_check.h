#pragma once

#include <QString>

// The characters that may not appear in a name the user types for a file: path separators,
// the drive colon, the extension dot, the wildcard and redirection characters, and the
// control characters (U+0000 to U+001F and U+007F), which the message does not list. The test
// is on characters, so full-width look-alikes and double-byte characters whose second
// Shift_JIS byte happens to be 0x5C or 0x7C are fine.
bool hasForbiddenFileNameCharacter(const QString &name);

// "登録ファイル名に使用できない文字が含まれています。" with the characters listed.
QString forbiddenFileNameMessage();

// Shows the message (information, OK) and returns true when the name has a forbidden
// character; false otherwise.
bool FNAME_CHECK(const QString &name);
