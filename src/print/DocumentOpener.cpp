#include "print/DocumentOpener.h"

namespace word {

namespace {

std::shared_ptr<DocumentOpener>& Installed()
{
    static std::shared_ptr<DocumentOpener> opener;
    return opener;
}

}  // namespace

std::shared_ptr<DocumentOpener> DocumentOpener::Default() { return Installed(); }

void DocumentOpener::SetDefault(std::shared_ptr<DocumentOpener> opener) { Installed() = std::move(opener); }

}  // namespace word
