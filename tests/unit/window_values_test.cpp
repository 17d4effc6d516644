#include <doctest/doctest.h>

#include <string>

#include "messaging/recipient_rules.h"
#include "settings/window_values.h"

TEST_CASE("stored band values: the tool bars change places with their minimum sizes, breaks and widths stay") {
    const tk::BandLayout design = {{1, true, 185, 172, 21}, {2, false, 141, 128, 22}};
    const struct {
        bool band1ToolBar1, band1Break, band2Break;
        tk::BandLayout arranged;
    } rows[] = {
        {true, true, false, {{1, true, 150, 172, 21}, {2, false, 160, 128, 22}}},
        {false, true, false, {{2, true, 150, 128, 22}, {1, false, 160, 172, 21}}},
        {false, false, true, {{2, false, 150, 128, 22}, {1, true, 160, 172, 21}}},
    };
    for (const auto& row : rows) {
        CAPTURE(row.band1ToolBar1);
        settings::WindowValues values{.destination = {},
                                      .band1ToolBar1 = row.band1ToolBar1,
                                      .band1Break = row.band1Break,
                                      .band1Width = 150,
                                      .band2Break = row.band2Break,
                                      .band2Width = 160};
        CHECK(settings::ArrangeBands(design, values, 1) == row.arranged);
        // What is read back from the bands arranges them the same from either order.
        settings::ReadBands(row.arranged, 1, values);
        CHECK(settings::ArrangeBands(row.arranged, values, 1) == row.arranged);
        CHECK(settings::ArrangeBands(design, values, 1) == row.arranged);
    }
}

TEST_CASE("the recipient field's text as restored, as left and as stored, and typed keys") {
    const std::string placeholder = "(vaše pracovní skupina)";
    const struct {
        std::string text, restored, left, stored;
    } rows[] = {
        {"pc01 účtárna čřž", "PC01 ÚČTÁRNA ČŘŽ", "PC01 ÚČTÁRNA ČŘŽ", "pc01 účtárna čřž"},
        {"", placeholder, placeholder, ""},
        {" \t ", " \t ", placeholder, " \t "},
        {placeholder, "(VAŠE PRACOVNÍ SKUPINA)", placeholder, ""},
        {" " + placeholder, " (VAŠE PRACOVNÍ SKUPINA)", " (VAŠE PRACOVNÍ SKUPINA)", " " + placeholder},
        // Restored no longer than typing could make it.
        {std::string(40000, 'x'), std::string(32767, 'X'), std::string(40000, 'X'), std::string(40000, 'x')},
    };
    for (const auto& row : rows) {
        CAPTURE(row.text);
        CHECK(messaging::RestoredText(row.text) == row.restored);
        CHECK(messaging::LeftText(row.text) == row.left);
        CHECK(messaging::StoredText(row.text) == row.stored);
    }
    const std::string typed = "aZ9 čšťžýé\x1B\x16", upper = "AZ9 ČŠŤŽÝÉ\x1B\x16";
    for (size_t i = 0; i < typed.size(); ++i) CHECK(messaging::TypedKey(typed[i]) == upper[i]);
}
