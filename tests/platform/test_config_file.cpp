#include "ConfigFile.h"
#include "NamedLock.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvora;

namespace {
ConfigFile FileOf(const char* text) { return ConfigFile(QByteArray(text), "Test.SQF"); }
}  // namespace

TEST(ConfigFile, ReadsEachKindOfValueLineByLine) {
    for (const char* text :
         {"+rest\r\n 12 junk\r\n\r\n-3.25\r\nsome text \r\n\r\n", "+rest\n 12 junk\n\n-3.25\nsome text \n\n"}) {
        ConfigFile f = FileOf(text);
        EXPECT_EQ(f.ReadChar(), '+');
        EXPECT_EQ(f.ReadInt(), 12);  // the rest of the line is skipped
        EXPECT_DOUBLE_EQ(f.ReadDouble(), -3.25);  // blank lines before a number are skipped
        EXPECT_EQ(f.ReadText(), "some text ");
        EXPECT_EQ(f.ReadChar(), '\r');  // an empty line gives CR
        // Past the end: 0, code 26 and empty, without error.
        EXPECT_EQ(f.ReadInt(), 0);
        EXPECT_EQ(f.ReadChar(), ConfigFile::EndOfFileChar);
        EXPECT_EQ(f.ReadText(), "");
        EXPECT_DOUBLE_EQ(f.ReadDouble(), 0.0);
    }
}

TEST(ConfigFile, TextWhereANumberBelongsNamesFileAndLine) {
    // A leading good number is read first, then the bad value.
    struct Case {
        const char* text;
        bool leadingNumber;
        bool asInt;
        int line;
    };
    const Case cases[] = {
        {"1\r\nabc\r\n", true, true, 2}, {"1\r\n\r\n\r\n12.5\r\n", true, true, 4},  // a decimal is not a whole number
        {"x\r\n", false, false, 1},      {"1,5\r\n", false, false, 1},  // the point is the only decimal mark
        {"nan\r\n", false, false, 1},    {"1e999\r\n", false, false, 1},
    };
    for (const Case& c : cases) {
        ConfigFile f = FileOf(c.text);
        try {
            if (c.leadingNumber) f.ReadInt();
            if (c.asInt) f.ReadInt();
            else f.ReadDouble();
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const ConfigError& e) {
            EXPECT_EQ(e.FileName(), "Test.SQF") << c.text;
            EXPECT_EQ(e.Line(), c.line) << c.text;
            EXPECT_NE(std::string(e.what()).find("Test.SQF"), std::string::npos);
        }
    }
}

TEST(ConfigFile, MissingFileIsAnError) {
    QTemporaryDir dir;
    EXPECT_THROW(ConfigFile::Open(dir.path() + "/Nothing.SQF"), ConfigError);
}

TEST(ConfigFile, DecimalSyntax) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {{"0", true, 0},      {"-0.5", true, -0.5}, {"+2", true, 2},    {".5", true, 0.5},
                          {"5.", true, 5},     {"1e3", true, 1000},  {"", false, 0},     {"-", false, 0},
                          {"1.2.3", false, 0}, {"inf", false, 0},    {"0x10", false, 0}, {"1e", false, 0}};
    for (const Case& c : cases) {
        double v = -1;
        EXPECT_EQ(ParseDecimal(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    int n = 0;
    EXPECT_TRUE(ParseWholeNumber("-4", n));
    EXPECT_EQ(n, -4);
    EXPECT_FALSE(ParseWholeNumber("99999999999", n));
}

TEST(SafeFile, ReplacesWholeFileAndReportsFailure) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Out.SQF";
    ASSERT_TRUE(WriteFileSafely(path, CrLfLines({"a", "b"})));
    ASSERT_TRUE(WriteFileSafely(path, CrLfLines({"c"})));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("c\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
    QString error;
    EXPECT_FALSE(WriteFileSafely(dir.path() + "/missing/Out.SQF", "x", &error));
    EXPECT_TRUE(error.contains("Out.SQF"));
}

TEST(NamedLock, SecondHolderIsRefusedUntilReleased) {
    QTemporaryDir dir;
    NamedLock first("Kelvora", dir.path());
    ASSERT_TRUE(first.TryAcquire());
    EXPECT_TRUE(NamedLock::HeldElsewhere("Kelvora", dir.path()));
    EXPECT_FALSE(NamedLock::HeldElsewhere("Pelorix", dir.path()));
    first.Release();
    EXPECT_FALSE(NamedLock::HeldElsewhere("Kelvora", dir.path()));
}
