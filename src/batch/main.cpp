// quorvel-batch: runs a simulation without a window and writes numbers.
#include <cstdio>
#include <string>

#include "CBatchRun.h"

int main(int argc, char** argv)
{
    CBatchOptions options;
    std::string error;
    if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(kBatchUsage, stdout);
        return 0;
    }
    if (!parseBatchOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "quorvel-batch: %s\n%s", error.c_str(), kBatchUsage);
        return 2;
    }
    return runBatch(options);
}
