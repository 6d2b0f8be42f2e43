// tq-genbank N OUT.dat [SEED] [TOPICS]: writes a synthetic bank of N questions.
#include "bank/TextConvert.h"

#include "BankGenerator.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: tq-genbank N OUT.dat [SEED] [TOPICS]\n");
        return 2;
    }
    BankGenerator::Options options;
    const auto n = TextConvert::ToInt32(argv[1]);
    const auto seed = argc > 3 ? TextConvert::ToInt32(argv[3]) : std::optional<int32_t>(1);
    const auto topics = argc > 4 ? TextConvert::ToInt32(argv[4]) : std::optional<int32_t>(3);
    if (!n || *n < 0 || !seed || !topics || *topics < 1) {
        std::fprintf(stderr, "tq-genbank: N, SEED and TOPICS must be whole numbers (N >= 0, TOPICS >= 1)\n");
        return 2;
    }
    options.questions = *n;
    options.seed = static_cast<uint32_t>(*seed);
    options.topics = *topics;
    if (!BankGenerator::WriteFile(argv[2], options)) {
        std::fprintf(stderr, "tq-genbank: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
