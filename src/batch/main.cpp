// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch: runs a simulation without a window and writes numbers.
#include <cstdio>
#include <cstring>

#include "CBatchRun.h"
#include "SIM/CFileTags.h"
#include "QuorvelVersion.h"

int main(int argc, char** argv)
{
    // --help, --version and --file-format answer wherever they stand, before any other argument is judged.
    for (int k = 1; k < argc; k++) {
        if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            std::fputs(kBatchUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[k], "--version") == 0) {
            std::puts("quorvel-batch " QUORVEL_VERSION);
            return 0;
        }
        if (std::strcmp(argv[k], "--file-format") == 0) {
            std::fputs(fileFormatTable().c_str(), stdout);
            return 0;
        }
    }
    CBatchOptions options;
    std::string error;
    if (!parseBatchOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "quorvel-batch: %s\n%s", error.c_str(), kBatchUsage);
        return 2;
    }
    return runBatch(options);
}
