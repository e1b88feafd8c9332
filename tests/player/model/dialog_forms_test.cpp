// The dialogs' templates: every control lies whole inside its dialog, in both interface
// languages, so a mistyped number shows here rather than as a control cut off at the edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/model/file_dialog_form.h"
#include "player/model/name_dialog_form.h"
#include "player/model/settings_form.h"
#include "player/model/volume_form.h"

namespace {

struct Place {
    const char* name;
    UnitRect units;
};

void ExpectInside(const char* dialogName, const UnitRect& dialog,
                  const std::vector<Place>& places) {
    EXPECT_EQ(dialog.left, 0) << dialogName;
    EXPECT_EQ(dialog.top, 0) << dialogName;
    for (const Place& place : places) {
        const UnitRect& units = place.units;
        EXPECT_TRUE(units.width > 0 && units.height > 0 && units.left >= 0 && units.top >= 0 &&
                    units.left + units.width <= dialog.width &&
                    units.top + units.height <= dialog.height)
            << dialogName << ": " << place.name << " at " << units.left << "," << units.top << " "
            << units.width << "x" << units.height << " in " << dialog.width << "x" << dialog.height;
    }
}

TEST(DialogForms, TheSettingsControlsLieInsideTheDialogWithTheLowerPartMovedDown) {
    for (const SettingsForm& form : {kJapaneseSettings, kEnglishSettings}) {
        const int down = form.lowerPart;
        ExpectInside(form.id, form.size,
                     {{"sound group", kSoundGroupUnits},
                      {"quality label", kQualityLabelUnits},
                      {"quality", kQualityUnits},
                      {"polyphony label", kPolyLabelUnits},
                      {"polyphony field", kPolyFieldUnits},
                      {"lower", kLowerUnits},
                      {"raise", kRaiseUnits},
                      {"LPF + delay", kLpfDelayUnits},
                      {"wave mapper", kWaveMapperUnits},
                      {"play group", kPlayGroupUnits.Lowered(down)},
                      {"chain play", kChainPlayUnits.Lowered(down)},
                      {"auto repeat", kAutoRepeatUnits.Lowered(down)},
                      {"icon", kIconUnits.Lowered(down)},
                      {"synthesizer", kSynthesizerUnits.Lowered(down)},
                      {"version", kVersionUnits.Lowered(down)},
                      {"contact", kContactUnits.Lowered(down)},
                      {"OK", kSettingsOkUnits.Lowered(down)},
                      {"cancel", kSettingsCancelUnits.Lowered(down)}});
    }
}

TEST(DialogForms, TheOtherDialogsControlsLieInsideThem) {
    for (const FileDialogForm& form : {kJapaneseFileDialog, kEnglishFileDialog}) {
        ExpectInside(form.id, form.dialog,
                     {{"file list", form.list}, {"new list", form.newList}, {"add", form.add}});
    }
    ExpectInside("volume panel", kVolumePanelUnits,
                 {{"system label", kSystemLabelUnits},
                  {"loud", kLoudUnits},
                  {"soft", kSoftUnits},
                  {"system slider", kSystemSliderUnits},
                  {"output label", kOutputLabelUnits},
                  {"output slider", kOutputSliderUnits},
                  {"OK", kVolumeOkUnits}});
    ExpectInside("name dialog", kNameDialogUnits,
                 {{"prompt", kPromptUnits},
                  {"edit", kNameEditUnits},
                  {"OK", kNameOkUnits},
                  {"cancel", kNameCancelUnits}});
}

TEST(DialogForms, LoweringMovesOnlyTheTop) {
    EXPECT_EQ((UnitRect{3, 64, 58, 33}.Lowered(10)), (UnitRect{3, 74, 58, 33}));
    EXPECT_EQ((UnitRect{3, 64, 58, 33}.Lowered(0)), (UnitRect{3, 64, 58, 33}));
}

}  // namespace
