#include <doctest/doctest.h>

#include <string>
#include <string_view>

#include "dialogs/help_text.h"

using dialogs::HelpParagraph;
using dialogs::kHelpParagraphCount;

namespace {

size_t LeadingSpaces(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? text.size() : first;
}

}  // namespace

TEST_CASE("help paragraphs open with their leading spaces; only the blank ones are empty") {
    // -1: the version line under the title, placed by us.
    constexpr int kSpaces[kHelpParagraphCount] = {0, 22, -1, 32, 0, 6, 6, 6,  6,  6,  6, 6,
                                                  6, 6,  6,  6,  6, 6, 0, 39, 39, 39, 39};
    for (int index = 0; index < kHelpParagraphCount; ++index) {
        CAPTURE(index);
        const std::string paragraph = HelpParagraph(index);
        const size_t spaces = LeadingSpaces(paragraph);
        if (kSpaces[index] >= 0) CHECK(spaces == size_t(kSpaces[index]));
        const bool hasContent = paragraph.size() > spaces;
        CHECK(hasContent == (kSpaces[index] != 0));
        CHECK(paragraph.find_first_of("\r\n") == std::string::npos);
        CHECK((paragraph.empty() || paragraph.back() != ' '));
    }
}

TEST_CASE("help paragraphs given word for word, and the fixed names in those written after an outline") {
    struct Row {
        int index;
        const char* text;
        bool whole;  // the paragraph is this text after its spaces; otherwise it contains it
    } rows[] = {
        {1, "Pebblewire pro Windows 2000/NT", true},
        {5,
         "Tento program je pro posílání krátkých textových zpráv počítačům v místní síti se systémem Windows 2000/NT "
         "a Windows ME/98/95.",
         true},
        {7,
         "Napište zprávu, vyberte, zda ji chcete poslat skupině počítačů nebo konkrétnímu uživateli, napište jmnéno "
         "skupiny resp. uživatele a stiskněte Poslat zprávu. Do několika sekund ji adresát(i) obdrží.",
         true},
        {8,
         "Podívejte se do menu Možnosti a vyberte ty volby, které chcete aby program dělal. Popis vybrané volby se "
         "zobrazí na stavovém řádku.",
         true},
        {9,
         "Program využívá služby Messenger, proto pokud nechcete být rušeni příchozími zprávami, můžete jejím "
         "vypnutím zabránít přijímání všech dalších zpráv. Pokud je však služba Messenger vypnutá, nemůžete zprávy "
         "ani posílat.",
         true},
        {10,
         "Ve Windows ME/98/95 nejsou žádné služby, proto zde program Pebblewire nefunguje. Je zde však program "
         "WinPopup (ve složce C:\\WINDOWS soubor WINPOPUP.EXE), který má stejnou funkci. Zprávy poslané z WinPopupu "
         "a Pebblewirea jsou navzájem kompatibilní.",
         true},
        {13,
         "Doporučuji, abyste posílali krátké zprávy. Program sice jejich délku nijak neomezuje, ale čím je zpráva "
         "delší, tím déle trvá, než ji příjemce(i) obdrží (až několik sekund). Pravděpodobně přímo služba Messenger "
         "zprávu ořízne při určité maximální délce.",
         true},
        {11, "Kurýrní služba", false},
        {12, "Na příchod nové zprávy upozornit dialogem", false},
        {12, "Zprávy, Možnosti", false},
        {16, "e-mailem", false},
        {20, "@", false},
        {22, "ICQ: ", false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.index);
        const std::string paragraph = HelpParagraph(row.index);
        if (row.whole)
            CHECK(paragraph.substr(LeadingSpaces(paragraph)) == row.text);
        else
            CHECK(paragraph.find(row.text) != std::string::npos);
    }
}

TEST_CASE("the help text is the 23 paragraphs joined by CR LF") {
    const std::string text = dialogs::HelpText();
    std::string_view rest = text;
    int count = 0;
    for (;;) {
        const size_t end = rest.find("\r\n");
        CHECK(rest.substr(0, end) == HelpParagraph(count));
        ++count;
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 2);
    }
    CHECK(count == kHelpParagraphCount);
    CHECK(text.back() != '\n');
    CHECK(HelpParagraph(kHelpParagraphCount).empty());
    CHECK(HelpParagraph(-1).empty());
}
