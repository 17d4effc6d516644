#include <doctest/doctest.h>

#include <optional>
#include <string>

#include "netsend/lmhosts.h"

using netsend::LmhostsAddress;
using netsend::ParseAddress;

TEST_CASE("dotted addresses are four numbers of 0 to 255") {
    struct Row {
        const char* text;
        std::optional<std::uint32_t> address;
    } rows[] = {
        {"127.0.0.1", 0x7F000001},   {"255.255.255.255", 0xFFFFFFFF}, {"0.0.0.0", 0},
        {"256.1.1.1", std::nullopt}, {"1.2.3", std::nullopt},         {"1.2.3.4.5", std::nullopt},
        {"1.2.3.4 ", std::nullopt},  {"1..2.3", std::nullopt},        {"1234.1.1.1", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.text));
        CHECK(ParseAddress(row.text) == row.address);
    }
}

TEST_CASE("lmhosts gives the first line that names the messenger") {
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
        "10.0.0.9 poslednibezkonceradku";
    struct Row {
        const char* name;
        std::optional<std::uint32_t> address;
    } rows[] = {
        {"NOVAK", 0x0A000001},    {"DVORAK", 0x0A000003},
        {"PC 12", 0x0A000004},    {"SEF", 0x0A000005},
        {"TISK", std::nullopt},   {"NEUZAVRENO", std::nullopt},
        {"SPATNA", std::nullopt}, {"NOVA", std::nullopt},
        {"SERVER", std::nullopt}, {"POSLEDNIBEZKONCERADKU", std::nullopt},  // longer than a name
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        CHECK(LmhostsAddress(file, row.name) == row.address);
    }
}
