// textmend-corpus MEGABYTES FILE: writes the benchmark corpus to a file, so that
// other programs can be timed on exactly the bytes the engine is timed on.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "CorpusGenerator.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "Usage: textmend-corpus MEGABYTES FILE\n");
        return 2;
    }
    const std::size_t size =
        static_cast<std::size_t>(std::atoi(argv[1])) * textmend::bench::kMegabyte;
    const std::string corpus = textmend::bench::GenerateCorpus(size);
    std::ofstream file(argv[2], std::ios::binary);
    file.write(corpus.data(), static_cast<std::streamsize>(corpus.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "textmend-corpus: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
