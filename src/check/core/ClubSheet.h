#pragma once
// The printed sheet of one club: general data, coach, manager, stadium, kits
// and the whole squad in a fixed layout (units and fonts of PrintItem.h).
#include <cstdint>
#include <string>

#include "check/core/PrintItem.h"
#include "dataset/DataSet.h"

namespace v3 {

class CVerein;

// The sheet of `club`. `vereine` is the club list of its country (the
// befriended club and the arch rival are named by their club numbers, the
// 1-based positions in it); `nationen` names the players' nationalities.
// A text that would be empty gets no item (so an unset friend or rival, or a
// player without secondary positions, leaves its place blank).
PrintPage ClubSheet(const CVerein& club, const Liste<CVerein>& vereine, const Liste<CNation>& nationen);

// The balance text: the balance is kept in tenths of a million, so 105 gives
// "10.5" and -25 gives "-2.5". A value in 32768..65535 (bit 15 set in a
// 16-bit value) counts as the negative 16-bit number it stands for.
std::string Guthaben(int32_t value);

// Row positions of the sheet that callers and tests refer to.
inline constexpr int kSheetLeft = 80;
inline constexpr int kSheetValue = 205;
inline constexpr int kSheetRight = 456;
inline constexpr int kSheetKitValue = 580;
inline constexpr int kSheetSquadTop = 584;
inline constexpr int kSheetSquadRow = 16;

}  // namespace v3
