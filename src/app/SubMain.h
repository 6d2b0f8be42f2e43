#pragma once

#include <filesystem>

// The program's first steps: themes, title and data file name, then the start
// window through ModWindows::ShowStartScreen, or ShowStartScreenLoading when a
// suspended test was named on the command line. False when the data file is
// missing or another program runs on it: the user has been told and no
// window was opened.
bool SubMain(const std::filesystem::path& sessionFile = {});
