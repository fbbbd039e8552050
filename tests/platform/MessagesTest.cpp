#include "platform/Messages.h"

#include <gtest/gtest.h>

using namespace tavelin;

TEST(ShowMessage, MissingIdShowsNothingAndReturnsZero)
{
    ScriptedMessages messages;
    EXPECT_EQ(ShowMessage(29999), 0);
    EXPECT_TRUE(messages.records.empty());
}

TEST(ShowMessage, PrefixGoesInFrontOfTheText)
{
    ScriptedMessages messages;
    EXPECT_EQ(ShowMessage(30044, nullptr, QStringLiteral("10001 > 10000\n")), IDOK);
    ASSERT_EQ(messages.records.size(), 1u);
    EXPECT_EQ(messages.records[0].id, 30044);
    EXPECT_EQ(messages.records[0].prefix, QStringLiteral("10001 > 10000\n"));
    EXPECT_EQ(messages.records[0].text, QStringLiteral("10001 > 10000\nノードの最大セット件数を超えました"));
    EXPECT_EQ(messages.records[0].style, MessageStyle::Error);
}

TEST(ShowMessage, QuestionsAreAnsweredFromTheQueue)
{
    ScriptedMessages messages;
    messages.queueAnswer(IDNO);
    messages.queueAnswer(IDCANCEL);
    EXPECT_EQ(ShowMessage(30021, nullptr, {}, MessageStyle::YesNo), IDNO);
    EXPECT_EQ(ShowMessage(30004, nullptr, {}, MessageStyle::YesNoCancel), IDCANCEL);
    EXPECT_EQ(ShowMessage(30021, nullptr, {}, MessageStyle::YesNo), IDYES); // queue empty
    EXPECT_EQ(messages.ids(), (std::vector<int>{30021, 30004, 30021}));
}

TEST(ShowMessage, ScriptRestoresThePreviousService)
{
    MessageService* before = CurrentMessageService();
    {
        ScriptedMessages outer;
        {
            ScriptedMessages inner;
            ShowMessage(30001);
            EXPECT_TRUE(outer.records.empty());
            EXPECT_EQ(inner.records.size(), 1u);
        }
        EXPECT_EQ(CurrentMessageService(), &outer);
    }
    EXPECT_EQ(CurrentMessageService(), before);
}
