#pragma once
// The two predefined colour profiles of the settings dialog.
#include "app/settings.h"

#include <span>

namespace quillo {

// "Orvel's Dark Profile (CRT)", "Orvel's Light Profile (TFT)".
std::span<const char* const> colourProfileNames();

// Stores the profile's colours and flags in their keys: every element's bold
// and italic 0 unless the profile sets them, and all seventeen font keys
// "Courier New". An index out of range changes nothing.
void applyColourProfile(Settings& settings, int profile);

}  // namespace quillo
