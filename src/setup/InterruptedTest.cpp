#include "setup/InterruptedTest.h"

#include "setup/ModGlobal.h"
#include "setup/SessionLoader.h"

#include <system_error>

namespace InterruptedTest {

std::filesystem::path Path()
{
    if (ModGlobal::CurrentDataFile.empty()) return {};
    return ModGlobal::CurrentWrittenFile(ModGlobal::CurrentDataFile + ".interrotto.test");
}

bool Resumable()
{
    const auto path = Path();
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec) && SessionLoader::WouldLoad(path);
}

void Remove()
{
    const auto path = Path();
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove(path, ec);
}

}  // namespace InterruptedTest
