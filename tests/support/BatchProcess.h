// SPDX-License-Identifier: GPL-3.0-or-later
// Running quorvel-batch as a user does, for the tests of its command line:
// a scratch folder of the test process, whole files read back, and the exit
// status of one run (its standard error kept in scratch("stderr.txt")).
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include <stdlib.h>

inline std::string scratch(const std::string& name)
{
    static std::string dir = [] {
        char pattern[] = "/tmp/quorvel-batch-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir + "/" + name;
}

inline std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

inline int runBatch(const std::string& arguments)
{
    const std::string command = std::string(QUORVEL_BATCH) + " " + arguments + " 2>" + scratch("stderr.txt");
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
