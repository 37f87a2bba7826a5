#pragma once

#include <QByteArray>
#include <QString>

// Shift_JIS as Windows writes it (code page 932, with the NEC and IBM extensions).
// Every byte that reaches or leaves a file passes through here.
namespace Sjis {

// Bytes that are not valid CP932 become U+FFFD; decoding never fails.
QString decode(const QByteArray &bytes);

// Characters CP932 cannot hold become "?" (after the usual best-fit, e.g. the wave dash
// U+301C is written as the full-width tilde's 0x8160).
QByteArray encode(const QString &text);

// Length of the text in CP932 bytes: the unit of every limit of the program.
int byteLength(const QString &text);

// The longest start of the text that fits in maxBytes CP932 bytes, never splitting a
// double-byte character.
QString leftBytes(const QString &text, int maxBytes);

// The same for bytes already in CP932: the longest start of at most maxBytes bytes that
// does not end in the first half of a double-byte character.
QByteArray leftBytes(const QByteArray &bytes, int maxBytes);

// True when the byte opens a double-byte character.
bool isLeadByte(unsigned char byte);

} // namespace Sjis
