// zoltool arc prints what the arc calculator shows.
#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Arc(const std::vector<std::string>& fields)
{
    QStringList arguments = {"arc"};
    for (const std::string& field : fields)
        arguments << QString::fromStdString(field);
    QProcess process;
    process.start(ZOLTOOL_PATH, arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

TEST(ZoltoolArc, PrintsTheCalculatorsTextAndALineBreak)
{
    const Outcome quarter = Arc({"5", "0", "90", "0", "0", "100", "0"});
    EXPECT_EQ(quarter.status, 0);
    EXPECT_EQ(quarter.out, "100,0, 92,38, 70,70, 38,92, 0,100, \n");
    EXPECT_EQ(quarter.err, "");
    // Negative fields are operands, not options.
    EXPECT_EQ(Arc({"-3", "-90", "90", "0", "0", "0", "100"}).out, "100,0, 0,100, -100,0, \n");
}

TEST(ZoltoolArc, RefusesFieldsThatAreNotPlainIntegers)
{
    for (const char* bad : {"", "-", "+5", "5x", " 5", "2147483648"}) {
        const Outcome run = Arc({"5", "0", "90", "0", bad, "100", "0"});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(run.out, "") << bad;
        EXPECT_NE(run.err.find("CY must be a decimal integer"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Arc({"5", "0", "90"}).status, 2) << "too few fields";
}

TEST(ZoltoolArc, RefusesPointsBeyond32Bits)
{
    const Outcome run = Arc({"2", "0", "0", "1", "0", "2147483647", "0"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("32-bit"), std::string::npos) << run.err;
}

} // namespace
