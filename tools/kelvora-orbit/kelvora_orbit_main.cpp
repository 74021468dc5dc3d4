#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "ElementFileCli.h"
#include "OrbitCli.h"
#include "SGP_Time.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const int year = static_cast<int>(std::chrono::year_month_day(today).year());
    return kelvora::RunOrbitCli(args, std::cout, std::cerr, kelvora::CenturyBaseOfYear(year),
                                kelvora::LoadElementFileForCli);
}
