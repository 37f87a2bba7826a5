#include "common/sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, RoundTripsTheCharactersWindowsUsersType)
{
    // Full-width tilde, minus, yen and backslash, a circled digit (NEC extension), a
    // variant kanji (IBM extension) and half-width katakana.
    const QString text = QStringLiteral("～－￥＼①髙ｱｲｳﾞ漢字abc");
    EXPECT_EQ(Sjis::decode(Sjis::encode(text)), text);
}

TEST(Sjis, KnownByteValues)
{
    struct Case
    {
        const char *text;
        QByteArray bytes;
    } const cases[] = {
        {"～", QByteArray("\x81\x60")}, // CP932's reading of 0x8160
        {"〜", QByteArray("\x81\x60")}, // the wave dash a Linux input method types
        {"－", QByteArray("\x81\x7C")}, {"￥", QByteArray("\x81\x8F")},
        {"①", QByteArray("\x87\x40")},  {"髙", QByteArray("\xFB\xFC")},
        {"ｱ", QByteArray("\xB1")},      {"\\", QByteArray("\x5C")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Sjis::encode(QString::fromUtf8(c.text)), c.bytes);
    }
    EXPECT_EQ(Sjis::decode(QByteArray("\x81\x60")), QStringLiteral("～"));
}

TEST(Sjis, ByteLengthCountsDoubleByteCharactersTwice)
{
    EXPECT_EQ(Sjis::byteLength(QStringLiteral("山田商店")), 8);
    EXPECT_EQ(Sjis::byteLength(QStringLiteral("ｱｲｳ")), 3);
    EXPECT_EQ(Sjis::byteLength(QStringLiteral("A山")), 3);
    EXPECT_EQ(Sjis::byteLength(QString()), 0);
}

TEST(Sjis, LeftBytesNeverSplitsACharacter)
{
    const QString text = QStringLiteral("A山田B");
    EXPECT_EQ(Sjis::leftBytes(text, 0), QString());
    EXPECT_EQ(Sjis::leftBytes(text, 1), QStringLiteral("A"));
    EXPECT_EQ(Sjis::leftBytes(text, 2), QStringLiteral("A"));
    EXPECT_EQ(Sjis::leftBytes(text, 3), QStringLiteral("A山"));
    EXPECT_EQ(Sjis::leftBytes(text, 6), QStringLiteral("A山田B"));
    EXPECT_EQ(Sjis::leftBytes(text, 99), text);

    const QByteArray bytes = Sjis::encode(text);
    EXPECT_EQ(Sjis::leftBytes(bytes, 4), bytes.left(3));
    EXPECT_EQ(Sjis::leftBytes(bytes, 5), bytes.left(5));
}

// A lone high surrogate (text pasted from a broken source) counts as one character of its
// own: the pair that follows it is kept or dropped whole.
TEST(Sjis, LeftBytesNeverSplitsTheSurrogatePairAfterALoneHighSurrogate)
{
    const QString pair = QString::fromUcs4(U"\U00020B9F"); // 𠮟, not in CP932: one "?"
    const QString text = QChar(0xD842) + pair + QStringLiteral("A");
    for (int maxBytes = 0; maxBytes <= 4; ++maxBytes) {
        SCOPED_TRACE(maxBytes);
        const QString left = Sjis::leftBytes(text, maxBytes);
        EXPECT_FALSE(!left.isEmpty() && left.back().isHighSurrogate() && left.size() > 1 &&
                     left.size() < text.size() && text.at(left.size()).isLowSurrogate());
        EXPECT_LE(Sjis::byteLength(left), maxBytes);
    }
    EXPECT_EQ(Sjis::leftBytes(text, 1), QString(QChar(0xD842)));
    EXPECT_EQ(Sjis::leftBytes(text, 2), QChar(0xD842) + pair);
}

TEST(Sjis, InvalidBytesDecodeWithoutFailing)
{
    // A lone lead byte at the end and a byte that is no character at all.
    const QString text = Sjis::decode(QByteArray("AB\x81", 3));
    EXPECT_TRUE(text.startsWith(QStringLiteral("AB")));
    EXPECT_FALSE(Sjis::decode(QByteArray("\xA0\xFD\xFF", 3)).isNull());
}

TEST(Sjis, ControlBytesStandForThemselves)
{
    // Converter tables disagree on 0x1A, 0x1C and 0x7F; in a slip file they are plain
    // control codes like every other byte below 0x20.
    for (int code = 0; code < 0x80; code = code == 0x1F ? 0x7F : code + 1) {
        SCOPED_TRACE(code);
        const QByteArray bytes = QByteArray("A") + char(code) + QByteArray("\x8E\x52"); // 山
        const QString text = QStringLiteral("A") + QChar(code) + QStringLiteral("山");
        EXPECT_EQ(Sjis::decode(bytes), text);
        EXPECT_EQ(Sjis::encode(text), bytes);
    }
}
