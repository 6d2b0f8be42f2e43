#include "bank/DataFolders.h"

#include "bank/ProgramFolder.h"

#include <cstdlib>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace DataFolders {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataSubfolder = "tessarondequiz";

std::vector<fs::path>& DesktopFolders()
{
    static std::vector<fs::path> folders;
    return folders;
}

// What the desktop calls the program's data folder, until the program says.
fs::path DefaultUserFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome == '/') return fs::path(dataHome) / "Tessarondequiz";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "Tessarondequiz";
}

fs::path& UserFolder()
{
    static fs::path folder = DefaultUserFolder();
    return folder;
}

bool IsFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

std::vector<fs::path> BankFolders()
{
    const fs::path program = ProgramFolder::Get();
    std::vector<fs::path> folders{program, (program / ".." / "share" / kDataSubfolder).lexically_normal()};
    for (const fs::path& desktop : DesktopFolders()) folders.push_back(desktop / kDataSubfolder);
    return folders;
}

fs::path BankPath(const std::string& name)
{
    for (const fs::path& folder : BankFolders())
        if (IsFile(folder / name)) return folder / name;
    return ProgramFolder::Get() / name;
}

bool BankExists(const std::string& name) { return !name.empty() && IsFile(BankPath(name)); }

bool IsWritable(const fs::path& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
    if (::geteuid() == 0) return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return true;
}

fs::path WritableFolderFor(const fs::path& bank)
{
    // An installed bank's folder belongs to the package manager, even where
    // root could write into it: only a bank beside the program keeps its files.
    const fs::path beside = bank.parent_path();
    std::error_code ec;
    if (fs::equivalent(beside, ProgramFolder::Get(), ec) && IsWritable(beside)) return beside;
    fs::create_directories(UserFolder(), ec);
    return UserFolder();
}

void SetDesktopDataFolders(std::vector<fs::path> folders) { DesktopFolders() = std::move(folders); }

void SetUserDataFolder(const fs::path& folder) { UserFolder() = folder; }

fs::path UserDataFolder() { return UserFolder(); }

namespace {
fs::path& TempOverride()
{
    static fs::path folder;
    return folder;
}
}  // namespace

fs::path TempFolder()
{
    if (!TempOverride().empty()) return TempOverride();
    std::error_code ec;
    auto folder = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : folder;
}

void SetTempFolder(const fs::path& folder) { TempOverride() = folder; }

}  // namespace DataFolders
