#include "platform/StringTable.h"

#include <gtest/gtest.h>

using namespace tavelin;

TEST(StringTable, HoldsTheTextsExactly)
{
    struct Case {
        int id;
        const char16_t* text;
    } cases[] = {
        {57344, u"Tavelin"},
        {100, u"OLE の初期化に失敗しました。OLE ライブラリのバージョンが正しいことを確認してください。"},
        {128, u"Tavelin\n\nタベリン\nTavelinFiles (*.tvn)\n.tvn\nTavelin.Document\nTavelin.Document"},
        {30001, u"メモリの確保に失敗しました"},
        {30055, u"ノードの数が制限を超えました\nこれ以上、セットできません"},
        {30072, u"既に起動しています"},
        {30101, u"ノードにドラッグ＆ドロップして\n重ねると「関連付け」できます\n「関連付け」を解除したいときは、\n再度ドラッグ＆ドロップしてください"},
        {30174, u"Manual"},
        {32880, u"主選択の左側に揃えます\n左揃え"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadString(c.id), QString::fromUtf16(c.text)) << c.id;
    EXPECT_TRUE(LoadString(12345).isNull());
}

TEST(StringTable, VersionHistoryHasTenEntries)
{
    for (int id = 30200; id <= 30209; ++id)
        EXPECT_FALSE(LoadString(id).isEmpty()) << id;
}

TEST(StringTable, AllStringsIsSortedAndComplete)
{
    const auto all = AllStrings();
    ASSERT_FALSE(all.empty());
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_LT(all[i - 1].first, all[i].first);
    EXPECT_GT(all.size(), 90u);
}
