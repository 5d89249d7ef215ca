// Solar-term instants from libnova's VSOP87 Sun, written out as the table the calendar embeds.
//
// Usage: solar_term_table OUTPUT.cpp FIRST_YEAR LAST_YEAR
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <vector>

#include "calendar/tools/ephemeris.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: solar_term_table OUTPUT.cpp FIRST_YEAR LAST_YEAR\n";
        return 2;
    }
    const int firstYear = std::atoi(argv[2]);
    const int lastYear = std::atoi(argv[3]);
    if (firstYear < 1900 || lastYear < firstYear || lastYear > 2149) {
        std::cerr << "solar_term_table: years " << argv[2] << "-" << argv[3] << " outside 1900-2149\n";
        return 2;
    }

    std::vector<long long> instants;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int k = 0; k < 24; ++k) {
            const double jde = dovrin::ephemeris::SolarTermJde(year, k);
            if (std::isnan(jde)) {
                std::cerr << "solar_term_table: term " << k << " of " << year << " not found\n";
                return 1;
            }
            instants.push_back(dovrin::ephemeris::BeijingSeconds(jde));
        }
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Solar-term instants " << firstYear << '-' << lastYear
        << ", written by calendar/tools/solar_term_table from libnova's VSOP87 Sun.\n"
           "#include \"calendar/solar_term_instants.h\"\n\n"
           "namespace dovrin {\n\n"
           "const std::array<std::int64_t, "
        << instants.size() << "> SolarTermInstants = {\n";
    for (std::size_t i = 0; i < instants.size(); ++i) {
        if (i % 6 == 0) out << "   ";
        out << ' ' << instants[i] << ',';
        if (i % 6 == 5 || i + 1 == instants.size()) out << '\n';
    }
    out << "};\n\n}  // namespace dovrin\n";
    out.close();
    if (!out) {
        std::cerr << "solar_term_table: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
