#include "files/numbering.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

namespace {

const QString startMessage = QStringLiteral("info: 10001より開始します。\r\n");

QString counter(const TempProgramDir &dir)
{
    return dir.exists("BANGO.INI") ? dir.readLines("BANGO.INI").value(0) : QStringLiteral("-");
}

} // namespace

TEST(Numbering, WithoutCounterFileNothingChanges)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    QString bangou;
    BANGOU_CALL(bangou);
    EXPECT_EQ(bangou, "");
    BANGOU_KOUSIN(bangou);
    BANGOU_KOUSIN("123");
    EXPECT_FALSE(dir.exists("BANGO.INI"));
    EXPECT_TRUE(prompts.log.isEmpty());
}

TEST(Numbering, StoringAnEmptyNumberStartsAt10001AndTheCycleFollows)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    saveSlipNumber("");
    EXPECT_EQ(prompts.log, QStringList{startMessage});
    EXPECT_EQ(dir.readBytes("BANGO.INI"), QByteArray("10001\r\n"));

    QString bangou;
    BANGOU_CALL(bangou); // blank
    EXPECT_EQ(bangou, "10001");
    BANGOU_KOUSIN(bangou); // first save of the new slip
    EXPECT_EQ(counter(dir), "10002");
    BANGOU_CALL(bangou);
    EXPECT_EQ(bangou, "10002");
}

TEST(Numbering, CounterFollowsTheNumberActuallySaved)
{
    struct Case
    {
        const char *stored;
        const char *bangou;
        const char *after;
        bool message;
    } const cases[] = {
        {"10023", "10023", "10024", false},
        {"10023", "500", "501", false},     // the user typed another number
        {"10023", "", "10001", true},       // emptied by the user: counting starts again
        {"10023", "ABC-1", "10023", false}, // no number: the counter stays
        {"10023", "0", "10023", false},
        {"10023", "-5", "-4", false},
        {"10023", "2147483647", "2147483648", false}, // no overflow on the way
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bangou);
        TempProgramDir dir;
        ScriptedPrompter prompts;
        dir.writeLines("BANGO.INI", {c.stored});
        BANGOU_KOUSIN(QString::fromUtf8(c.bangou));
        EXPECT_EQ(counter(dir), c.after);
        EXPECT_EQ(prompts.log.contains(startMessage), c.message);
    }
}

TEST(Numbering, StoredNumberIsTheNextOneNotOnePast)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    saveSlipNumber("20000");
    EXPECT_EQ(counter(dir), "20000");
    saveSlipNumber("ABC");
    EXPECT_EQ(counter(dir), "10001");
    EXPECT_EQ(prompts.log, QStringList{startMessage});
}

TEST(Numbering, CounterLineIsShownAsItIsAndAnEmptyLineIsIgnored)
{
    TempProgramDir dir;
    dir.writeLines("BANGO.INI", {"No.7", "ignored"});
    QString bangou = "old";
    BANGOU_CALL(bangou);
    EXPECT_EQ(bangou, "No.7");
    dir.writeLines("BANGO.INI", {""});
    BANGOU_CALL(bangou);
    EXPECT_EQ(bangou, "No.7");
}

TEST(Numbering, MakeNewSlipTakesTheNextNumberAndSetsTheFlag)
{
    TempProgramDir dir;
    dir.writeLines("BANGO.INI", {"10050"});
    QString bangou = "10010";
    bool newNumber = false;
    makeNewSlip(bangou, newNumber);
    EXPECT_EQ(bangou, "10050");
    EXPECT_TRUE(newNumber);
}
