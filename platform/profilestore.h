#pragma once

#include "core/dealrecord.h"
#include "core/readnotice.h"

#include <vector>

class IProfile;
struct AppSettings;

// Reads and writes the settings and the deal record in the profile section "ZANT", in one fixed
// order. The loan on screen is never stored.
namespace ProfileStore {
void readSettings(IProfile &profile, AppSettings &settings);
void writeSettings(IProfile &profile, const AppSettings &settings);
// Each figure is taken as its field shows it. A stored field the program cannot use (a figure
// too large to show) keeps its first-run value and is named in notices, when given.
void readRecord(IProfile &profile, DealRecord &record, std::vector<ReadNotice> *notices = nullptr);
// Entries that ReadRecord refused (notices) keep their stored text while their field still holds
// what ReadRecord put there: a figure the program could not use is never replaced by a default.
void writeRecord(IProfile &profile, const DealRecord &record,
                 const std::vector<ReadNotice> &refused = {});
// The record of a first run, as read from an empty profile.
[[nodiscard]] DealRecord firstRunRecord();
// The settings of a first run: the report's defaults and the desktop's calculator.
[[nodiscard]] AppSettings defaultSettings();
} // namespace ProfileStore
