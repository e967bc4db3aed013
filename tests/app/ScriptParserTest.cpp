#include "app/ScriptParser.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

// Quoted words and escapes are read by every script and by QuotingRoundTrips.
TEST(ScriptParser, SplitsWordsAtBlanksAndTabs)
{
    EXPECT_EQ(splitScriptLine(QStringLiteral("  click 10   20\tleft ")).words,
              (QStringList{"click", "10", "20", "left"}));
}

TEST(ScriptParser, CommentsAndBlankLinesHoldNoCommand)
{
    for (const char* line : {"", "   ", "# menu mnuexitapp", "   # indented comment"}) {
        const ParsedLine parsed = splitScriptLine(QString::fromLatin1(line));
        EXPECT_TRUE(parsed.words.isEmpty()) << line;
        EXPECT_TRUE(parsed.error.isEmpty()) << line;
    }
}

TEST(ScriptParser, MalformedQuotesAreErrors)
{
    EXPECT_FALSE(splitScriptLine(QStringLiteral("answer text \"open")).error.isEmpty());
    EXPECT_FALSE(splitScriptLine(QStringLiteral("answer text \"a\\q\"")).error.isEmpty());
    EXPECT_FALSE(splitScriptLine(QStringLiteral("answer text \"a\"b")).error.isEmpty());
}

TEST(ScriptParser, QuotingRoundTrips)
{
    const QString awkward = QStringLiteral("Tab\there \"quoted\" back\\slash\r\nend\x15");
    const ParsedLine parsed = splitScriptLine(QStringLiteral("x ") + quoteScriptWord(awkward));
    ASSERT_EQ(parsed.words.size(), 2);
    EXPECT_EQ(parsed.words[1], awkward);
    EXPECT_FALSE(escapeScriptText(awkward).contains(QLatin1Char('\t')));
}

} // namespace
} // namespace kel
