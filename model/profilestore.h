#pragma once

#include "dealrecord.h"

class IProfile;
struct CAppSettings;

// Reads and writes the settings and the deal record in the profile section "ZANT", in one fixed
// order. Other fees and the loan on screen are never stored.
namespace ProfileStore {
void ReadSettings(IProfile &profile, CAppSettings &settings);
void WriteSettings(IProfile &profile, const CAppSettings &settings);
void ReadRecord(IProfile &profile, CDealRecord &record);
void WriteRecord(IProfile &profile, const CDealRecord &record);
// The record of a first run, as read from an empty profile.
[[nodiscard]] CDealRecord FirstRunRecord();
} // namespace ProfileStore
