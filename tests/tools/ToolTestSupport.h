#pragma once

// A scratch folder and whole-file helpers for the bank tool tests.

#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <string_view>

namespace tooltest {

namespace fs = std::filesystem;
using testfiles::TempDir;
using testfiles::ReadBytes;
using testfiles::WriteBytes;

}  // namespace tooltest
