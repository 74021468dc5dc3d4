// Switching the active satellite: the resets in their order, the preview step by
// mean motion, and the letter labels.
#include "SatSelection.h"

#include "SelectionTestSupport.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using selectiontest::TRecordingHooks;

TSatSelection ThreeResolved() {
    TSatSelection selection;
    selection.Entries = {{"AO-7", false}, {"ISS", true}, {"SO-50", false}};
    selection.Resolved = {{7, "AO-7", false}, {2, "ISS", true}, {9, "SO-50", false}};
    selection.ActiveSet = 7;
    return selection;
}

TEST(SwitchActiveSatellite, ResetsInOrderAndActivatesTheLetter) {
    TSatSelection selection = ThreeResolved();
    selection.ActiveLetter = 1;
    TRecordingHooks rec;
    ASSERT_TRUE(SwitchActiveSatellite(selection, "Standard", rec.Hooks));
    EXPECT_EQ(selection.ActiveSet, 2);
    EXPECT_EQ(selection.ActiveLetter, 1);
    EXPECT_EQ(rec.Take(),
              QStringList({"BlankFrequencyDisplays", "ClearMapRedrawCounter", "ClearWarmUp",
                           "Caption( KelvoraISS V. 12.10)", "Panel0( Group :Standard)", "SatName( B: ISS)",
                           "PreviewStep(2, 02)", "ActiveSatelliteChosen", "EnableLetters(3)", "RestartMainTimer"}));
}

TEST(SwitchActiveSatellite, PreviewStepByMeanMotion) {
    struct Case {
        double meanMotion;
        const char* step;
    };
    const Case cases[] = {{6.399999, "PreviewStep(15, 15)"},
                          {6.4, "PreviewStep(2, 02)"},
                          {1.0027, "PreviewStep(15, 15)"},
                          {15.5, "PreviewStep(2, 02)"}};
    for (const Case& c : cases) {
        TSatSelection selection = ThreeResolved();
        TRecordingHooks rec;
        rec.MeanMotionValue = c.meanMotion;
        SwitchActiveSatellite(selection, "G", rec.Hooks);
        EXPECT_TRUE(rec.Take().contains(c.step)) << c.meanMotion;
    }
}

TEST(SwitchActiveSatellite, LetterBeyondTheSelectionFallsBackToA) {
    TSatSelection selection = ThreeResolved();
    selection.ActiveLetter = 5;
    TRecordingHooks rec;
    ASSERT_TRUE(SwitchActiveSatellite(selection, "G", rec.Hooks));
    EXPECT_EQ(selection.ActiveLetter, 0);
    EXPECT_EQ(selection.ActiveSet, 7);
    EXPECT_TRUE(rec.Take().contains("SatName( A: AO-7)"));
}

TEST(SwitchActiveSatellite, NothingResolvedOnlyDisablesTheLetters) {
    TSatSelection selection;
    selection.ActiveSet = 4;
    TRecordingHooks rec;
    EXPECT_FALSE(SwitchActiveSatellite(selection, "G", rec.Hooks));
    EXPECT_EQ(selection.ActiveSet, 0);
    EXPECT_EQ(rec.Take(), QStringList({"EnableLetters(0)"}));
}

TEST(ActivateRow, ActivatesTheRowsSetWithoutChangingTheLetter) {
    TSatSelection selection = ThreeResolved();
    selection.ActiveLetter = 0;
    TRecordingHooks rec;
    ASSERT_TRUE(ActivateRow(selection, 2, rec.Hooks));
    EXPECT_EQ(selection.ActiveSet, 9);
    EXPECT_EQ(selection.ActiveLetter, 0);
    EXPECT_EQ(rec.Take(),
              QStringList({"BlankFrequencyDisplays", "ClearMapRedrawCounter", "Caption( KelvoraISS V. 12.10)",
                           "SatName( C: SO-50)", "ActiveSatelliteChosen"}));

    selection.OpenedFromMenu = true;
    ASSERT_TRUE(ActivateRow(selection, 0, rec.Hooks));
    EXPECT_FALSE(rec.Take().join(';').contains("Caption"));
    EXPECT_FALSE(ActivateRow(selection, 3, rec.Hooks));
    EXPECT_TRUE(rec.Take().isEmpty());
}

TEST(UpdateLetterLabels, SilverOnlyWhenForcedAndLettersInUseEnabled) {
    TSatSelection selection = ThreeResolved();
    TRecordingHooks rec;
    UpdateLetterLabels(selection, rec.Hooks);
    EXPECT_EQ(rec.Take(), QStringList({"EnableLetters(3)"}));
    rec.Forced = true;
    UpdateLetterLabels(selection, rec.Hooks);
    EXPECT_EQ(rec.Take(), QStringList({"PaintLettersSilver", "EnableLetters(3)"}));
}

TEST(UpdateLetterLabels, LetterAComesBackAfterAnEmptyGroup) {
    TSatSelection selection;
    selection.Entries = {{"XX", false}};
    TRecordingHooks rec;
    ResolveSelection(selection, selectiontest::CatalogOf({"ISS"}), {}, {});
    UpdateLetterLabels(selection, rec.Hooks);
    selection.Entries = {{"ISS", false}};
    ResolveSelection(selection, selectiontest::CatalogOf({"ISS"}), {}, {});
    UpdateLetterLabels(selection, rec.Hooks);
    EXPECT_EQ(rec.Take(), QStringList({"EnableLetters(0)", "EnableLetters(1)"}));
}

}  // namespace
}  // namespace kelvora
