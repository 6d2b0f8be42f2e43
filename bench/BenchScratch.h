#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

// The scratch folder of one benchmark run, made on first use and removed at exit.
inline const std::filesystem::path& BenchScratch()
{
    struct Folder {
        std::filesystem::path dir =
            std::filesystem::temp_directory_path() / ("tq-bench-" + std::to_string(getpid()));
        Folder() { std::filesystem::create_directories(dir); }
        ~Folder()
        {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    };
    static Folder folder;
    return folder.dir;
}
