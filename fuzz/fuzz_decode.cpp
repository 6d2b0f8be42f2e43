// The codec and the display cleaning on arbitrary bytes.
#include "bank/cQuesito.h"
#include "bank/DisplayCleaning.h"
#include "bank/ModEncoding.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // Three bytes for every whole group of five characters, separators skipped.
    const std::string plain = ModEncoding::Decode(input);
    const auto digits = static_cast<size_t>(std::count_if(input.begin(), input.end(), [](char c) { return c != '-'; }));
    FUZZ_CHECK(plain.size() == digits / 5 * 3);

    // What is shown: the question's own getters over the same text, and cleaning raw bytes.
    cQuesito q;
    q.Descrizione = std::string(input);
    q.SetRisposta(1, std::string(input));
    FUZZ_CHECK(q.VisualDescrizione() == CleanForDisplay(plain));
    FUZZ_CHECK(q.VisualRisposta(1) == q.VisualDescrizione());
    const std::string cleaned = CleanForDisplay(input);
    FUZZ_CHECK(cleaned.empty() || (cleaned.front() != ' ' && cleaned.back() != ' '));

    // The stored form round-trips: the text back, padded with blanks to a whole group.
    const std::string encoded = ModEncoding::Encode(input);
    const std::string back = ModEncoding::Decode(encoded);
    FUZZ_CHECK(back.size() == (size + 2) / 3 * 3);
    FUZZ_CHECK(std::string_view(back).substr(0, size) == input);
    FUZZ_CHECK(back.find_first_not_of(' ', size) == std::string::npos);
    return 0;
}
