// The volume panel's template (165, the same in both interface languages): the controls' places
// in dialog units.
#pragma once

#include "player/model/unit_rect.h"

inline constexpr UnitRect kVolumePanelUnits{0, 0, 67, 83};
inline constexpr UnitRect kSystemLabelUnits{6, 4, 30, 16};
inline constexpr UnitRect kLoudUnits{2, 22, 10, 10};
inline constexpr UnitRect kSoftUnits{2, 54, 10, 10};
inline constexpr UnitRect kSystemSliderUnits{12, 21, 16, 44};
inline constexpr UnitRect kOutputLabelUnits{38, 4, 28, 16};
inline constexpr UnitRect kOutputSliderUnits{42, 21, 16, 44};
inline constexpr UnitRect kVolumeOkUnits{17, 68, 33, 12};
