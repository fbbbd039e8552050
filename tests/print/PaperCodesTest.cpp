// Paper codes as the settings store them, and the names the dialog shows.
#include "print/PaperCodes.h"

#include <gtest/gtest.h>

namespace tavelin
{
namespace
{

TEST(PaperCodes, CodesGiveTheirPaperAndName)
{
    struct Case {
        int code;
        double widthMm, heightMm;
        const char* name;
    } cases[] = {
        {1, 215.9, 279.4, "Letter, 81/2x11inch"},
        {8, 297, 420, "A3Sheet, 297x420mm"},
        {9, 210, 297, "A4Sheet, 210x297mm"},
        {12, 250, 353, "B4Sheet, 250x354mm"},
        {13, 182, 257, "B5Sheet, 182x257mm"},
        {14, 215.9, 330.2, "Folio, 81/2x13inch"},
        {24, 431.8, 558.8, "CSheet, 17x22inch"},
        {26, 863.6, 1117.6, "ESheet, 34x44inch"},
        {35, 176, 125, "B6Envelope, 176x125mm"},
        {41, 215.9, 330.2, "GermanLegalFanfold, 81/2x13inch"},
        {66, 420, 594, "etc."}, // A2: known beyond the named codes
    };
    for (const Case& c : cases) {
        const std::optional<QPageSize> paper = KnownPaperForCode(c.code);
        ASSERT_TRUE(paper) << c.code;
        const QSizeF mm = paper->size(QPageSize::Millimeter);
        EXPECT_NEAR(mm.width(), c.widthMm, 0.6) << c.code;
        EXPECT_NEAR(mm.height(), c.heightMm, 0.6) << c.code;
        EXPECT_EQ(PaperNameForCode(c.code), QString::fromLatin1(c.name)) << c.code;
        EXPECT_EQ(PaperCodeForSize(*paper, c.code), c.code) << "round trip " << c.code;
    }
    for (int unknown : {0, -1, 256, 9999}) {
        EXPECT_FALSE(KnownPaperForCode(unknown)) << unknown;
        EXPECT_EQ(PaperSizeForCode(unknown).id(), QPageSize::A4) << unknown;
        EXPECT_EQ(PaperNameForCode(unknown), QStringLiteral("etc.")) << unknown;
    }
}

TEST(PaperCodes, ASizeKeepsTheCodeItWasChosenBy)
{
    const QPageSize letter(QPageSize::Letter);
    EXPECT_EQ(PaperCodeForSize(letter, 18), 18) << "Note is letter-sized";
    EXPECT_EQ(PaperCodeForSize(letter, 9), 1) << "another paper: the first code of the size";
    EXPECT_EQ(PaperCodeForSize(QPageSize(QPageSize::A4)), 9);
    EXPECT_EQ(PaperCodeForSize(QPageSize(QSizeF(100, 123), QPageSize::Millimeter)), UserPaperCode);
}

TEST(PaperCodes, OrientationCodes)
{
    EXPECT_EQ(OrientationForCode(2), QPageLayout::Landscape);
    for (int code : {1, 0, 3, 5, -1})
        EXPECT_EQ(OrientationForCode(code), QPageLayout::Portrait) << code;
    EXPECT_EQ(CodeForOrientation(QPageLayout::Landscape), 2);
    EXPECT_EQ(CodeForOrientation(QPageLayout::Portrait), 1);
}

} // namespace
} // namespace tavelin
