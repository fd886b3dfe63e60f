#pragma once
// Path pieces as the program uses them: '/'-separated, folders with their
// trailing separator, so a folder and a file name join by concatenation.
#include <string>
#include <string_view>

namespace quillo {

// "dir/game.bas" -> "game.bas"; a bare name is its own file name.
std::string_view fileNameOf(std::string_view path);
// "dir/game.bas" -> "dir/"; a bare name has no folder: "".
std::string folderOf(std::string_view path);
// As folderOf, but a bare name lies in the current folder: "./".
std::string folderOrCurrent(std::string_view path);

}  // namespace quillo
