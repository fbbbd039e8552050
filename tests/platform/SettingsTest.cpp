#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace tavelin;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { test::ResetSettings(); }
    void TearDown() override { test::ResetSettings(); }
    static void Raw(const QString& key, const QString& text)
    {
        QSettings(qEnvironmentVariable("TAVELIN_SETTINGS"), QSettings::IniFormat).setValue(key, text);
    }
};

TEST_F(SettingsTest, DefaultsComeFromTheTable)
{
    struct Case {
        const char* section;
        const char* value;
        int expected;
    } cases[] = {
        {"KanSet", "PlayAnime", 3}, {"KanSet", "SlipW", 150}, {"KanSet", "ImageW", 500},
        {"LAYER", "IconW", 20},     {"SUB", "TitlePos", 2},   {"Last", "cxCur", 400},
        {"ColumnDsp", "Kiji", 1},   {"Insatu", "MarginLmm", 25}, {"Insatu", "SY", 480},
        {"Navi", "Visible", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(settings::GetInt(QString::fromLatin1(c.section), QString::fromLatin1(c.value)), c.expected)
            << c.section << "/" << c.value;
    EXPECT_EQ(settings::GetString(QStringLiteral("SUB"), QStringLiteral("FontName")), QStringLiteral("Meiryo UI"));
    EXPECT_EQ(settings::GetColour(QStringLiteral("SUB"), QStringLiteral("refMen")), 16773100u);
    EXPECT_EQ(settings::GetString(QStringLiteral("Last"), QStringLiteral("FilePath")), QString());
}

TEST_F(SettingsTest, TableHasEveryNamedSettingOnce)
{
    QSet<QString> seen;
    for (const SettingDef& def : AllSettings()) {
        const QString key = QString::fromLatin1(def.section) + u'/' + QString::fromLatin1(def.value);
        EXPECT_FALSE(seen.contains(key)) << key.toStdString();
        seen.insert(key);
    }
    for (const char* v : {"Tenkan", "Kyori", "Soukyori", "Jikan", "Soujikan", "Jisoku", "Keido", "Ido", "Kiji"})
        EXPECT_NE(FindSetting(QStringLiteral("ColumnDsp"), QString::fromLatin1(v)), nullptr) << v;
    EXPECT_NE(FindSetting(QStringLiteral("Recent File List"), QStringLiteral("File10")), nullptr);
    EXPECT_EQ(FindSetting(QStringLiteral("Recent File List"), QStringLiteral("File11")), nullptr);
}

TEST_F(SettingsTest, WrittenValuesAreReadBackAtTheNextUse)
{
    settings::WriteInt(QStringLiteral("KanSet"), QStringLiteral("SlipW"), 222);
    EXPECT_EQ(settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("SlipW")), 222);
    // A change made by another writer (another process) shows without a restart.
    Raw(QStringLiteral("KanSet/SlipW"), QStringLiteral("333"));
    EXPECT_EQ(settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("SlipW")), 333);

    settings::WriteString(QStringLiteral("SUB"), QStringLiteral("FontName"), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(settings::GetString(QStringLiteral("SUB"), QStringLiteral("FontName")), QStringLiteral("ＭＳ ゴシック"));
}

TEST_F(SettingsTest, ColoursAreDecimalText)
{
    struct Case {
        const char* stored;
        std::uint32_t colour;
    } cases[] = {{"255", 255u}, {"abc", 0u}, {"123abc", 123u}, {"", 0u}, {"-1", 0xFFFFFFFFu}};
    for (const Case& c : cases) {
        Raw(QStringLiteral("Last/ColColor"), QString::fromLatin1(c.stored));
        EXPECT_EQ(settings::GetColour(QStringLiteral("Last"), QStringLiteral("ColColor")), c.colour) << c.stored;
    }
    settings::WriteColour(QStringLiteral("Last"), QStringLiteral("ColColor"), 0x800000u);
    EXPECT_EQ(settings::GetString(QStringLiteral("Last"), QStringLiteral("ColColor")), QStringLiteral("8388608"));
}

TEST_F(SettingsTest, MalformedNumbersFallBackToTheDefault)
{
    Raw(QStringLiteral("KanSet/SlipH"), QStringLiteral("many"));
    EXPECT_EQ(settings::GetInt(QStringLiteral("KanSet"), QStringLiteral("SlipH")), 100);
}

TEST_F(SettingsTest, TheStoreIsTheFileNamedInTheEnvironment)
{
    EXPECT_EQ(settings::StoreLocation(), qEnvironmentVariable("TAVELIN_SETTINGS"));
}
