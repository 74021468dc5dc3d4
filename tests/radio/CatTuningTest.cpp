// The typed frequencies of the tuning dialog: which texts are accepted, when the
// operator is warned at once, and what "OK" decides.
#include <gtest/gtest.h>

#include "CatTuning.h"

namespace kelvora {
namespace {

using TOk = TManualTuning::TOkDecision;

TEST(CatTuning, TypedReceiveFrequencyAndOk) {
    struct Case {
        const char* text;
        bool accepted;
        bool warned;
    } cases[] = {
        {"145990", true, false},      {"146000", false, false},     {"144000", true, false},
        {"143999.999", false, false}, {"143999.9995", true, false}, {"435800.5", true, false},
        {"440000", false, false},     {"1299999.999", true, false}, {"1300000", false, false},
        {" 145990 ", true, false},    {"145,990", false, false},    {"abc", false, false},
        {"", false, false},           {"145990x", false, false},    {"1e999", false, true},
    };
    for (const Case& c : cases) {
        TManualTuning m;
        const TTypedFrequency typed = m.EditRx(c.text);
        EXPECT_EQ(m.OkEnabled(), c.accepted) << c.text;
        EXPECT_EQ(typed.ConversionError, c.warned) << c.text;
        EXPECT_EQ(m.OkDecision(), c.accepted ? TOk::Send : TOk::AskRx) << c.text;
    }
}

TEST(CatTuning, OkAsksForAnEditedTransmitFieldOnly) {
    TManualTuning m;
    EXPECT_EQ(m.OkDecision(), TOk::AskRx);  // nothing typed yet
    m.EditRx("145990");
    EXPECT_EQ(m.OkDecision(), TOk::Send);  // untouched transmit field
    m.EditTx("435800");
    EXPECT_EQ(m.OkDecision(), TOk::Send);
    EXPECT_DOUBLE_EQ(m.ManualTxKHz, 435800);
    m.EditTx("4358");
    EXPECT_EQ(m.OkDecision(), TOk::AskTx);
    EXPECT_DOUBLE_EQ(m.ManualTxKHz, 435800);  // the last valid value stays
    m.EditRx("14599");
    EXPECT_FALSE(m.OkEnabled());
    EXPECT_EQ(m.OkDecision(), TOk::AskRx);
}

}  // namespace
}  // namespace kelvora
