// The start-up script's helper:
//   quelmara_bench_disc make FOLDER GAMES CATEGORIES  writes a generated disc
//   quelmara_bench_disc read FOLDER GAMES CATEGORIES  prints the time of one
//       plain open-and-read loop over that disc's text files, in milliseconds,
//       so that it compares with one start of the program
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "../BenchDisc.h"

namespace {

double ReadMs(const std::vector<std::string> &files) {
    const auto start = std::chrono::steady_clock::now();
    benchdisc::ReadFiles(files);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 5) {
        std::cerr << "usage: quelmara_bench_disc make|read FOLDER GAMES CATEGORIES\n";
        return 2;
    }
    const std::string strMode = argv[1];
    const benchdisc::fs::path top = argv[2];
    const int iGames = std::stoi(argv[3]);
    const int iCategories = std::stoi(argv[4]);
    if (strMode == "make") {
        benchdisc::WriteDisc(top, iGames, iCategories);
        return 0;
    }
    const std::vector<std::string> files =
        benchdisc::TextFiles(benchdisc::GameFolders(top, iGames, iCategories));
    std::printf("%.2f\n", ReadMs(files));
    return 0;
}
