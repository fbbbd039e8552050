#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tavelin;

TEST(Cp932, RoundTripsJapaneseAndAscii)
{
    const QString text = QStringLiteral("レイヤー1 abc　漢字～①");
    const auto bytes = cp932::Encode(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(cp932::Decode(*bytes), text);
    EXPECT_EQ(cp932::ByteLength(QStringLiteral("レイヤー1")), 9);
}

TEST(Cp932, RefusesWhatItCannotHold)
{
    // Emoji and most non-Japanese scripts have no CP932 form: reported, not replaced.
    EXPECT_FALSE(cp932::Encode(QStringLiteral("a😀b")).has_value());
    EXPECT_EQ(cp932::ByteLength(QStringLiteral("ḁ")), -1);
}

TEST(Cp932, DecodesBrokenBytesWithoutLosingTheRest)
{
    const QString s = cp932::Decode(QByteArray("ab\x82", 3)); // a lone lead byte at the end
    EXPECT_TRUE(s.startsWith(QStringLiteral("ab")));
}

TEST(Cp932, CutsOnlyAtWholeCharacters)
{
    const QByteArray kana = *cp932::Encode(QStringLiteral("あいう")); // 6 bytes
    struct Case {
        QByteArray in;
        int limit;
        QByteArray out;
    } cases[] = {
        {kana, 6, kana},
        {kana, 5, kana.left(4)},
        {kana, 1, {}},
        {QByteArray("abc"), 2, QByteArray("ab")},
        {QByteArray("a") + kana, 2, QByteArray("a")},
        {QByteArray("a") + kana, 3, QByteArray("a") + kana.left(2)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cp932::CutToBytes(c.in, c.limit), c.out) << c.limit;
}

TEST(Cp932, FitToBytesAddsTheTwoByteEllipsis)
{
    const QByteArray ellipsis("\x81\x63", 2);
    EXPECT_EQ(cp932::FitToBytes(QByteArray("abcdefghijkl"), 10), QByteArray("abcdefghij") + ellipsis);
    EXPECT_EQ(cp932::FitToBytes(QByteArray("abcdefghij"), 10), QByteArray("abcdefghij"));
    EXPECT_EQ(cp932::FitToBytes(QStringLiteral("abcdefghijkl"), 10), QStringLiteral("abcdefghij…"));
    // A double-byte character is never split by the cut.
    EXPECT_EQ(cp932::FitToBytes(QStringLiteral("abcdefghiあい"), 10), QStringLiteral("abcdefghi…"));
}

TEST(Cp932, CopyToFieldTerminatesAndZeroFills)
{
    char field[8];
    std::memset(field, 'x', sizeof field);
    cp932::CopyToField(field, 7, QByteArray("abc"));
    EXPECT_STREQ(field, "abc");
    for (int i = 3; i < 8; ++i)
        EXPECT_EQ(field[i], 0);
    cp932::CopyToField(field, 7, QByteArray("0123456789"));
    EXPECT_EQ(QByteArray(field), QByteArray("0123456"));
}
