#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Where a bank is read from, and where what the program writes for it goes.
//
// A bank is looked up beside the executable first (the build folder, a
// portable copy), then in ../share/tessarondequiz from there (an installed
// tree, wherever its prefix), then in the desktop's data folders. What the
// program writes for a bank (statistics, log, interrupted test) goes beside
// the bank when it lies beside the program in a writable folder (a build
// folder, a portable copy), else into the per-user data folder: an installed
// bank's folder is read-only or the package manager's, and answers must never
// be lost.
namespace DataFolders {

// The folders searched for a bank, in order.
std::vector<std::filesystem::path> BankFolders();

// The bank `name` in the first folder that holds it; in the program folder
// when none does (where a missing bank is reported).
std::filesystem::path BankPath(const std::string& name);
bool BankExists(const std::string& name);

// The folder for the files written for the bank at `bank`: its own folder
// when that is the program folder and writable, else the per-user folder,
// created when it is chosen.
std::filesystem::path WritableFolderFor(const std::filesystem::path& bank);

// Whether this process may create files in `folder`. Root may write anywhere,
// so a folder whose permission bits forbid writing counts as read-only for it too.
bool IsWritable(const std::filesystem::path& folder);

// Set once at start from the desktop's folders; tests set their own.
// Each desktop folder is a data folder of the desktop ("…/share"), searched
// for "tessarondequiz/<bank>".
void SetDesktopDataFolders(std::vector<std::filesystem::path> folders);
void SetUserDataFolder(const std::filesystem::path& folder);
std::filesystem::path UserDataFolder();

// The system temporary folder; tests point it at one of their own (empty: the system's).
std::filesystem::path TempFolder();
void SetTempFolder(const std::filesystem::path& folder);

}  // namespace DataFolders
