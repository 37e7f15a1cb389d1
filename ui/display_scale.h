#pragma once
// The display scale (表示倍率) the user chose for the whole program: kept in a small
// settings file of its own, outside the data files, and applied at the next start as Qt's
// scale factor, which must be set before the application object exists.

#include <QString>
#include <array>
#include <cstdint>

namespace rdx508 {

// The choices the window offers, in per cent.
inline constexpr std::array<int32_t, 4> kScaleChoices = {100, 125, 150, 200};

// Where the choice is kept: ~/.config/RDX508/display.ini (beside the chart's settings).
QString DisplaySettingsFile();

// The kept choice; 100 when none is kept or the file holds something not on offer.
int32_t StoredScale(const QString& file);
// Keeps `percent` (one of kScaleChoices); false when it is not on offer or cannot be written.
bool StoreScale(const QString& file, int32_t percent);

// Sets QT_SCALE_FACTOR from the kept choice, unless the environment already sets it (the
// user's own word wins) or the choice is 100 %. Call before the application object exists.
void ApplyStoredScale(const QString& file);

}  // namespace rdx508
