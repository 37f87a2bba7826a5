#pragma once

#include <QString>
#include <QStringList>

// Comma text: one row of cells as one line, the form of slip file item lines, list files
// and the clipboard. A cell holding a blank or control character (code 32 or below), a
// comma or a double quote is written in double quotes with inner quotes doubled; any other
// cell as it is; an empty cell writes nothing.
namespace CommaText {

QString join(const QStringList &cells);

// The cells of a line. Fields are separated by commas and also by blanks outside double
// quotes (so an unquoted "A B" gives two cells); a quoted field may hold commas and
// blanks and "" stands for one quote. Blanks around fields are dropped, two commas in a
// row give an empty field, a comma at the end gives none.
QStringList split(const QString &line);

} // namespace CommaText
