#include <doctest/doctest.h>

#include <optional>
#include <string>

#include "netcommand/send_command.h"

using netcommand::Target;

TEST_CASE("the send command is read as the system's messenger command takes it") {
    struct Row {
        const char* line;
        std::optional<Target> target;  // nothing: not a send command
        const char* name;
        const char* text;
    } rows[] = {
        // As Pebblewire starts it: the program's path quoted, the text after one blank, all of it.
        {"\"C:\\windows\\system32\\net.exe\" send NOVAK Ahoj\r\n \"já\" ", Target::kName, "NOVAK", "Ahoj\r\n \"já\" "},
        {"net send NOVAK   tři mezery", Target::kName, "NOVAK", "  tři mezery"},
        {"\"C:\\Program Files\\net.exe\"send\tnovak x", Target::kName, "novak", "x"},
        {"net SeNd * vám všem", Target::kGroup, "", "vám všem"},
        {"net send /DOMAIN: x", Target::kGroup, "", "x"},
        {"net send /Domain:UCETNI x y", Target::kGroup, "UCETNI", "x y"},
        // A recipient with a blank: quoted it is one name, unquoted its second word starts the text.
        {"net send \"PC 12\" ahoj", Target::kName, "PC 12", "ahoj"},
        {"net send ŠÉF ÚČTÁRNY x", Target::kName, "ŠÉF", "ÚČTÁRNY x"},
        {"net send \"/domain:X\" y", Target::kName, "/domain:X", "y"},
        {"net send  \t ", std::nullopt, "", ""},
        {"net sendx NOVAK x", std::nullopt, "", ""},
        {"net view NOVAK", std::nullopt, "", ""},
        {"net send /broadcast x", std::nullopt, "", ""},
        {"net send \"PC 12 ahoj", std::nullopt, "", ""},
        {"net send \"\" ahoj", std::nullopt, "", ""},
        {"\"C:\\net.exe send NOVAK x", std::nullopt, "", ""},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.line));
        const auto command = netcommand::ParseSendCommand(row.line);
        REQUIRE(command.has_value() == row.target.has_value());
        if (!command) continue;
        CHECK(command->target == *row.target);
        CHECK(command->name == row.name);
        CHECK(command->text == row.text);
    }
}

TEST_CASE("what the program composes for a send, net.exe reads back as the same target and text") {
    struct Row {
        const char* recipient;
        bool workgroup;
        Target target;
        const char* name;
    } rows[] = {
        {"NOVAK", false, Target::kName, "NOVAK"},
        {"*", false, Target::kGroup, ""},
        {"*", true, Target::kGroup, ""},
        {"UCETNI", true, Target::kGroup, "UCETNI"},
    };
    const std::string text = " Ahoj\r\n\"já\" /users ";
    for (const Row& row : rows) {
        CAPTURE(std::string(row.recipient));
        const std::string parameters =
            netcommand::ComposeSend(netcommand::TargetArgument(row.recipient, row.workgroup), text);
        const auto command = netcommand::ParseSendCommand("\"C:\\Windows\\system32\\net.exe\" " + parameters);
        REQUIRE(command.has_value());
        CHECK(command->target == row.target);
        CHECK(command->name == row.name);
        CHECK(command->text == text);
    }
}
