// The start-up script's helper:
//   quelmara_bench_disc make FOLDER GAMES CATEGORIES  writes a generated disc
//   quelmara_bench_disc read FOLDER GAMES CATEGORIES  prints the fastest of ten
//       plain open-and-read loops over that disc's text files, in milliseconds
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "../BenchDisc.h"

namespace {

constexpr int kReadRuns = 10;

double FastestReadMs(const std::vector<std::string> &files) {
    double fBest = 1e30;
    for (int i = 0; i < kReadRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        benchdisc::ReadFiles(files);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        fBest = std::min(fBest, took.count());
    }
    return fBest;
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
    std::printf("%.2f\n", FastestReadMs(files));
    return 0;
}
