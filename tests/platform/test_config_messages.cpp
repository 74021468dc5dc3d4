// What a refused value looks like in a message: a short, printable excerpt on the
// right line, whatever bytes the file holds.
#include "ConfigFile.h"

#include <gtest/gtest.h>

using namespace kelvora;

TEST(ConfigMessages, ExcerptIsShortAndPrintable) {
    struct Case {
        QByteArray bytes;
        QString excerpt;
    };
    const Case cases[] = {
        {"12abc", "12abc"},
        {QByteArray(3, '\0'), "\\x00\\x00\\x00"},
        {"a\tb\x7f\x1a", "a\\x09b\\x7F\\x1A"},
        {"\xe4\xf6\xfc", QString::fromLatin1("\xe4\xf6\xfc")},  // Latin-1 letters stay
        {"\x80\x9f", "\\x80\\x9F"},
        {QByteArray(50, 'x'), QString(40, 'x') + "..."},
        {QByteArray(1 << 20, '\0'), QString("\\x00").repeated(10) + "..."},
    };
    for (const Case& c : cases) EXPECT_EQ(Excerpt(c.bytes), c.excerpt) << c.bytes.left(20).toHex().toStdString();
}

TEST(ConfigMessages, BadTokenIsQuotedAsAnExcerpt) {
    struct Case {
        QByteArray file;
        QString message;
    };
    const Case cases[] = {
        {QByteArray(16, '\0'), "Test.SQF, line 1: \"" + QString("\\x00").repeated(10) + "...\" is not a valid number"},
        {"1\r\n" + QByteArray(1 << 20, '7') + "x\r\n",
         "Test.SQF, line 2: \"" + QString(40, '7') + "...\" is not a valid number"},
    };
    for (const Case& c : cases) {
        ConfigFile f(c.file, "Test.SQF");
        try {
            for (int i = 0; i < 3; ++i) f.ReadInt();
            ADD_FAILURE() << "no error";
        } catch (const ConfigError& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), c.message);
        }
    }
}

TEST(ConfigMessages, RefusedNumberNamesItsOwnLine) {
    ConfigFile f(QByteArray("1\r\n\r\n  91  rest\r\n5\r\n"), "Test.SQF");
    EXPECT_EQ(f.ReadInt(), 1);
    EXPECT_EQ(f.ReadDouble(), 91.0);
    try {
        f.RefuseLastNumber("the latitude must lie between -90 and 90");
        ADD_FAILURE() << "no error";
    } catch (const ConfigError& e) {
        EXPECT_EQ(e.Line(), 3);
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  "Test.SQF, line 3: \"91\" is not a valid number: the latitude must lie between -90 and 90");
    }
}
