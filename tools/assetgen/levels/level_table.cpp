// The twenty arcade levels and the four other modes, as the game ships them.
#include "levels/levels.h"

// The difficulty curve, in four stages of five levels:
//  1-5   learning: only the one- and two-electron atoms (any chain of them closes), slow
//        supply (5.0 s down to 4.2 s), small tasks; kind 3 arrives at level 4 and the
//        minimum size grows from "anything" to 4 atoms.
//  6-10  branching: kind 4 joins at level 7 with a short task of four molecules, the wildcard
//        at level 10; the supply speeds up to 3.5 s and molecules must reach 5 atoms.
//  11-15 pressure: all five kinds, supply 3.3 s to 2.9 s, five- then six-atom molecules, 7 to 9
//        of them.
//  16-20 mastery: level 16 withholds the two-electron atom (structures must be built from
//        branching atoms closed by singles), with a slower supply and a shorter task to make up
//        for it; then seven- and eight-atom molecules at up to one atom every 2.6 s.
// Every level is winnable: each allowed kind set can close molecules of the minimum size
// (kinds 1 and 2 chain to any length; 3 and 4 close with 1s). The time limits are measured at a
// person's pace, not argued (scripts/levels.sh, docs/LEVELS.md): an average player wins the
// learning levels nearly always, then a few games in a hundred fewer from level to level, never
// a dozen fewer, to about half at level 20. A limit never falls from one level to the next, so
// the limit a player sees hints at what is coming. The supply presses slower players: a column
// that fills past its red line ends the level.
const std::array<TLevelRow, kArcadeLevelCount> kArcadeTable = {{
    // TimeLimit  AtomKinds  SupplyInterval  MoleculeGoal  MinMoleculeSize
    {60000, "AA---", 5000, 3, 0},    // 1
    {75000, "AA---", 4800, 4, 3},    // 2
    {90000, "AA---", 4600, 5, 3},    // 3
    {130000, "AAA--", 4400, 5, 3},   // 4
    {130000, "AAA--", 4200, 5, 4},   // 5
    {150000, "AAA--", 4000, 6, 4},   // 6
    {360000, "AAAA-", 3900, 4, 4},   // 7
    {390000, "AAAA-", 3700, 5, 4},   // 8
    {390000, "AAAA-", 3600, 5, 5},   // 9
    {420000, "AAAAA", 3500, 7, 5},   // 10
    {450000, "AAAAA", 3300, 8, 5},   // 11
    {450000, "AAAAA", 3200, 8, 5},   // 12
    {450000, "AAAAA", 3100, 7, 6},   // 13
    {450000, "AAAAA", 3000, 8, 6},   // 14
    {540000, "AAAAA", 2900, 9, 6},   // 15
    {540000, "A-AAA", 3500, 6, 6},   // 16
    {540000, "AAAAA", 2800, 8, 7},   // 17
    {540000, "AAAAA", 2700, 9, 7},   // 18
    {540000, "AAAAA", 2700, 9, 8},   // 19
    {540000, "AAAAA", 2600, 10, 8},  // 20
}};

// The other modes have no time limit or task; only their supply matters.
//  bitva: starts at 4 s and loses a second every minute, down to 1 s after three minutes.
//  destrukce: a steady 4 s while the seeded board is cleared.
//  trenink a: one atom at a time, so the interval is never used.
//  trenink b: starts gently at 6 s and speeds up like bitva.
const std::array<TLevelRow, 4> kModeTable = {{
    {0, "AAAAA", 4000, 0, 0},  // bitva
    {0, "AAAAA", 4000, 0, 0},  // destrukce
    {0, "AAAAA", 5000, 0, 0},  // trenink a
    {0, "AAAAA", 6000, 0, 0},  // trenink b
}};
