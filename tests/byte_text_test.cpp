#include "text/byte_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/gbk.h"

namespace velloran {
namespace {

using testing::gbk;

Text t(const char* bytes) { return makeText(bytes); }

TEST(TextLength, CountsBytesNotCharacters) {
    EXPECT_EQ(textLength(Text()), 0);
    EXPECT_EQ(textLength(gbk("淘宝")), 4);
    EXPECT_EQ(textLength(t("abc")), 3);
}

struct CutCase {
    const char* subject;
    int start;  // midText only
    int count;
    const char* expected;
};

TEST(LeftText, ClampsAndGivesNullForNoCount) {
    const CutCase cases[] = {{"abc", 0, 0, ""}, {"abc", 0, -5, ""}, {"abc", 0, 10, "abc"},
                             {"abc", 0, 2, "ab"}, {"", 0, 3, ""}};
    for (const CutCase& c : cases) EXPECT_EQ(leftText(t(c.subject), c.count), t(c.expected)) << c.count;
}

TEST(RightText, ClampsAndGivesNullForNoCount) {
    const CutCase cases[] = {{"abcdef", 0, 2, "ef"}, {"abcdef", 0, 10, "abcdef"}, {"abcdef", 0, 0, ""},
                             {"abcdef", 0, -1, ""}, {"", 0, 4, ""}};
    for (const CutCase& c : cases) EXPECT_EQ(rightText(t(c.subject), c.count), t(c.expected)) << c.count;
}

TEST(MidText, StartOutsideTheTextGivesNullAndCountIsClamped) {
    const CutCase cases[] = {
        {"abcdef", 2, 3, "bcd"}, {"abcdef", 0, 3, ""},  {"abcdef", -4, 10, ""}, {"abcdef", 6, 5, "f"},
        {"abcdef", 7, 1, ""},    {"abcdef", 3, 0, ""},  {"abcdef", 3, -2, ""},  {"abcdef", 1, 6, "abcdef"},
        {"", 1, 1, ""},
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(midText(t(c.subject), c.start, c.count), t(c.expected)) << c.start << "," << c.count;
    }
}

TEST(CutOperations, CountBytesAndMaySplitACharacter) {
    const Text title = gbk("淘宝");
    EXPECT_EQ(leftText(title, 1), Text("\xCC"));
    EXPECT_EQ(rightText(title, 3), Text("\xD4\xB1\xA6"));
    EXPECT_EQ(midText(title, 2, 2), Text("\xD4\xB1"));
}

struct FindCase {
    Text subject;
    Text sought;
    int expected;
};

TEST(FindText, MatchesOnlyWhereACharacterBegins) {
    const FindCase cases[] = {
        {t("abcabc"), t("bc"), 2},
        {t("ABC"), t("b"), -1},  // no case folding
        {t("abc"), t(""), 1},
        {t(""), t(""), -1},
        {t(""), t("a"), -1},
        {t("abc"), t("abcd"), -1},
        {t("abc"), t("abc"), 1},
        {Text("\xB0\x41\x42"), t("AB"), -1},  // 41 is the second byte of B0 41
        {Text("\xB0\xA1\x41\x42"), t("AB"), 3},
        {Text("\x41\xB0"), Text("\xB0"), 2},
        {Text("\xB0"), t("x"), -1},
        {Text("\xB0\xB0\xB0"), Text("\xB0\xB0"), 1},
        {Text("a\xB0\xB0\xB0\xB0"), Text("\xB0\xB0"), 2},
        {Text("\xB0\xB0\xB0\xB0x"), Text("\xB0x"), -1},  // the only B0 x starts on a second byte
        {Text("\xB0\xB0\xB0x"), Text("\xB0x"), 3},
        {Text("\xB0\xB0x\xB0x"), Text("\xB0x"), 4},
        {Text("\xE4\xB8\xAD{\"a"), t("{\"a"), -1},  // UTF-8: AD pairs with the brace
        {gbk("女装/女士精品"), gbk("女士"), 6},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(findText(c.subject, c.sought), c.expected)
            << "subject " << ::testing::PrintToString(std::string(c.subject.data(), c.subject.size()));
    }
}

// The rule as written, one candidate at a time: the fast search must agree
// with it on every subject.
int findTextByTheRule(const Text& subject, const Text& sought) {
    const int n = textLength(subject);
    const int m = textLength(sought);
    if (m == 0) return n >= 1 ? 1 : -1;
    int i = 1;
    while (n - i + 1 >= m) {
        if (subject.compare(static_cast<std::size_t>(i - 1), static_cast<std::size_t>(m), sought) == 0) return i;
        if (static_cast<unsigned char>(subject[static_cast<std::size_t>(i - 1)]) >= 0x80) {
            if (i == n) return -1;
            i += 2;
        } else {
            i += 1;
        }
    }
    return -1;
}

TEST(FindText, AgreesWithTheCharacterRuleOnRandomTexts) {
    std::mt19937 random(20261211);
    auto randomText = [&](const std::string& alphabet, int maxLength) {
        Text text;
        const int length = static_cast<int>(random() % static_cast<unsigned>(maxLength + 1));
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        return text;
    };
    // Short texts over a mixed alphabet, then long ones over a narrow one,
    // where false starts pile up and the search changes its method midway.
    const struct {
        std::string alphabet;
        int rounds, subjectLength, soughtLength;
    } shapes[] = {{"ab{\x80\xB0\xFE", 20000, 24, 4}, {"a\xB0_", 300, 3000, 6}};
    for (const auto& shape : shapes) {
        for (int round = 0; round < shape.rounds; ++round) {
            const Text subject = randomText(shape.alphabet, shape.subjectLength);
            const Text sought = randomText(shape.alphabet, shape.soughtLength);
            ASSERT_EQ(findText(subject, sought), findTextByTheRule(subject, sought))
                << ::testing::PrintToString(std::string(subject.data(), subject.size())) << " / "
                << ::testing::PrintToString(std::string(sought.data(), sought.size()));
        }
    }
}

TEST(CompareText, OrdersBytesUnsignedWithNullAsEmpty) {
    struct CompareCase {
        Text a, b;
        int expected;
    };
    const CompareCase cases[] = {
        {Text(), t(""), 0},       {Text(), t("a"), -1},      {t("a"), Text(), 1},
        {t("a"), t("b"), -1},     {t("ab"), t("a"), 1},      {t("a"), t("ab"), -1},
        {Text("\xB0z"), t("a"), 1},  {t("same"), t("same"), 0}, {t("A"), t("a"), -1},
    };
    for (const CompareCase& c : cases) EXPECT_EQ(compareText(c.a, c.b), c.expected);
}

TEST(ConcatText, JoinsInOrderAndNullsAddNothing) {
    EXPECT_EQ(concatText(Text(), Text()), Text());
    EXPECT_EQ(concatText(t("ab"), Text(), t("c")), t("abc"));
    EXPECT_EQ(concatText(gbk("复制"), t("OK")), gbk("复制OK"));
}

TEST(BytesToText, StopsAtTheFirstNul) {
    const unsigned char withNul[] = {0x41, 0x00, 0x42};
    const unsigned char leadingNul[] = {0x00, 0x41};
    const unsigned char plain[] = {0xB0, 0xA1, 0x41};
    EXPECT_EQ(bytesToText(nullptr, 0), Text());
    EXPECT_EQ(bytesToText(plain, 0), Text());
    EXPECT_EQ(bytesToText(withNul, 3), t("A"));
    EXPECT_EQ(bytesToText(leadingNul, 2), Text());
    EXPECT_EQ(bytesToText(plain, 3), Text("\xB0\xA1\x41"));
}

TEST(TextOperations, LeaveTheirArgumentsAlone) {
    const Text subject = t("abcdef");
    (void)leftText(subject, 2);
    (void)midText(subject, 2, 2);
    (void)concatText(subject, subject);
    EXPECT_EQ(subject, t("abcdef"));
}

}  // namespace
}  // namespace velloran
