// The record picked with the arrows, 10 * table + row; -1 before the first arrow.
extern int HallSelection;

// Building the rows of the hall-of-fame screen.
#pragma once
#include <string>

// Name, full stops up to 15 characters (none when the two fill 15 or more), score.
std::string HallOfFameColumn(const std::string& name, const std::string& score);
// Row r (0..9): the three tables' columns separated by two blanks.
std::string HallOfFameRow(int row);
// The three tables' titles over their columns.
std::string HallOfFameHeading();
