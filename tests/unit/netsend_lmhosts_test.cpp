#include <doctest/doctest.h>

#include <optional>
#include <string>

#include "netsend/lmhosts.h"

using netsend::LmhostsAddress;

TEST_CASE("lmhosts gives the first line with a good address that names the messenger") {
    const std::string file =
        "# lmhosts of the office\r\n"
        "#INCLUDE \\\\server\\share\\lmhosts\r\n"
        "10.0.0.1   novak   #PRE  #DOM:UCETNI\r\n"
        "  10.0.0.2\tNOVAK\r\n"
        "10.0.0.3 dvorak#PRE\n"
        "10.0.0.4 \"PC 12\"\n"
        "10.0.0.5 \"SEF            \\0x03\"\n"
        "10.0.0.6 \"TISK           \\0x20\"\n"
        "10.0.0.7 \"NEUZAVRENO\n"
        "300.0.0.8 spatna\n"
        "10.0.0.8.1 dlouha\n"
        "10.0.0 kratka\n"
        "10..0.0.1 dvetecky\n"
        "10.0.0.9 sestnactznakuuuu\n"
        "10.0.0.10 poslednibezkonc";
    struct Row {
        const char* name;
        std::optional<std::uint32_t> address;
    } rows[] = {{"NOVAK", 0x0A000001},
                {"DVORAK", 0x0A000003},
                {"PC 12", 0x0A000004},
                {"SEF", 0x0A000005},
                {"TISK", std::nullopt},
                {"NEUZAVRENO", std::nullopt},
                {"SPATNA", std::nullopt},
                {"DLOUHA", std::nullopt},
                {"KRATKA", std::nullopt},
                {"DVETECKY", std::nullopt},
                {"NOVA", std::nullopt},
                {"SERVER", std::nullopt},
                {"SESTNACTZNAKUUUU", std::nullopt},
                {"POSLEDNIBEZKONC", 0x0A00000A}};
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        CHECK(LmhostsAddress(file, row.name) == row.address);
    }
}
