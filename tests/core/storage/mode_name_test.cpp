#include "storage/ModeName.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace tesmi;

namespace {

struct NameCase {
    const char *display;
    const char *table;
};

std::ostream &operator<<(std::ostream &out, const NameCase &c)
{
    return out << c.display;
}

class ModeNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ModeNameTest, EncodesAndDecodesBack)
{
    const NameCase &c = GetParam();
    EXPECT_EQ(EncodeModeName(QString::fromUtf8(c.display)), QString::fromUtf8(c.table));
    EXPECT_EQ(DecodeModeName(QString::fromUtf8(c.table)), QString::fromUtf8(c.display));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ModeNameTest,
    ::testing::Values(NameCase{"Обычный", "AAAPaaabaabeaaazaaaoaabeaaak"},
                      NameCase{"Безошибочный", "AAABaaafaaaiaaapaabbaaajaaabaaapaaazaaaoaabeaaak"},
                      NameCase{"Обычный_in_English", "AAAPaaabaabeaaazaaaoaabeaaak_in_English"},
                      NameCase{"Letters", "Letters"}, NameCase{"chat", "chat"},
                      NameCase{"Легкие обычки", "AAAMaaafaaadaaalaaajaaafaabjaaapaaabaabeaaazaaalaaaj"},
                      NameCase{"в-В", "aaacAABJaaaC"}, NameCase{"Ёж ёж 2", "AAAGaaahaabjaaagaaahaabj2"},
                      NameCase{"ЪЬЭЮЯ", "AABDAABFAABGAABHAABI"}));

TEST(ModeNameRuleOrderTest, DecodingReplacesEarlierRulesFirst)
{
    // "aaaa" (а) is replaced before "aaab" (б), so the match starts at the fifth letter.
    EXPECT_EQ(DecodeModeName("aaabaaaa"), "ба");
    EXPECT_EQ(DecodeModeName("AAAC"), "AAAC");
}

TEST(ModeNameRuleOrderTest, LatinABeforeCyrillicADoesNotRoundTrip)
{
    EXPECT_EQ(EncodeModeName("aа"), "aaaaa");
    EXPECT_EQ(DecodeModeName("aaaaa"), "аa");
}

TEST(ModeNameTest, ResultsTableIsUnderscorePlusModeTable)
{
    EXPECT_EQ(ResultsTableName("Обычный"), "_AAAPaaabaabeaaazaaaoaabeaaak");
}

} // namespace
