#include "dialogs/help_text.h"

#include <string_view>

#include "dialogs/about_texts.h"

namespace dialogs {

namespace {

constexpr int kMaxParts = 3;

struct Paragraph {
    int indent;                         // leading spaces
    std::string_view parts[kMaxParts];  // joined as they are
};

// Headings and the signature are centred by hand, the body paragraphs indented by six spaces.
constexpr int kBody = 6;
constexpr int kSignature = 39;

constexpr Paragraph kParagraphs[kHelpParagraphCount] = {
    {0, {""}},
    {22, {kProgramTitle}},
    {36, {"verze " PW_VERSION_TEXT}},
    {32, {kCredit}},
    {0, {""}},
    {kBody,
     {"Tento program je pro posílání krátkých textových zpráv počítačům v místní síti se systémem Windows 2000/NT a "
      "Windows ME/98/95."}},
    {kBody,
     {"Pebblewire běží ve Windows 2000/NT a zprávy posílá pomocí systémového příkazu net send. Přijmout je může "
      "každý počítač, na kterém běží služba Messenger (Windows 2000/NT) nebo program WinPopup (Windows ME/98/95)."}},
    {kBody,
     {"Napište zprávu, vyberte, zda ji chcete poslat skupině počítačů nebo konkrétnímu uživateli, napište jmnéno "
      "skupiny resp. uživatele a stiskněte Poslat zprávu. Do několika sekund ji adresát(i) obdrží."}},
    {kBody,
     {"Podívejte se do menu Možnosti a vyberte ty volby, které chcete aby program dělal. Popis vybrané volby se "
      "zobrazí na stavovém řádku."}},
    {kBody,
     {"Program využívá služby Messenger, proto pokud nechcete být rušeni příchozími zprávami, můžete jejím vypnutím "
      "zabránít přijímání všech dalších zpráv. Pokud je však služba Messenger vypnutá, nemůžete zprávy ani posílat."}},
    {kBody,
     {"Ve Windows ME/98/95 nejsou žádné služby, proto zde program Pebblewire nefunguje. Je zde však program WinPopup "
      "(ve složce C:\\WINDOWS soubor WINPOPUP.EXE), který má stejnou funkci. Zprávy poslané z WinPopupu a "
      "Pebblewirea jsou navzájem kompatibilní."}},
    {kBody,
     {"Na rozdíl od Pebblewirea, za který zprávy přijímá služba Messenger (v seznamu služeb Windows se jmenuje "
      "Kurýrní služba), je WinPopup potřeba i k přijímání zpráv. Dokud není spuštěn, žádná zpráva se k vám "
      "nedostane."}},
    {kBody,
     {"Na počítačích s Windows ME/98/95 proto spusťte Pebblewire. Nabídne vám, že vytvoří zástupce programu WinPopup "
      "v nabídce Po spuštění, aby se WinPopup spouštěl minimalizovaný při každém startu Windows, a hned jej spustí; "
      "odpovězte Ano. Potom v programu WinPopup zvolte Zprávy, Možnosti a zaškrtněte „Na příchod nové zprávy "
      "upozornit dialogem“, aby se vám nová zpráva zobrazila hned, jak přijde."}},
    {kBody,
     {"Doporučuji, abyste posílali krátké zprávy. Program sice jejich délku nijak neomezuje, ale čím je zpráva delší, "
      "tím déle trvá, než ji příjemce(i) obdrží (až několik sekund). Pravděpodobně přímo služba Messenger zprávu "
      "ořízne při určité maximální délce."}},
    {kBody,
     {"Pro delší rozhovory jsou vhodnější programy pro chatování (jeden takový je dokonce součástí Windows), na "
      "jednorázová krátká oznámení se ale nehodí. Pro ta je tu Pebblewire, například: „Porada začíná za deset "
      "minut.“, „V kuchyňce jsou koláče.“ nebo „Tiskárna ve druhém patře už zase tiskne.“"}},
    {kBody,
     {"Program je zdarma. Vznikl pro potřeby naší vlastní kanceláře, a protože se nám osvědčil, rádi jej dáváme "
      "k dispozici i ostatním, kterým může ušetřit čas i zbytečné chození mezi kancelářemi."}},
    {kBody,
     {"Pokud se přesto rozhodnete nás za program dobrovolně odměnit, předem vám děkujeme. Podrobnosti se můžeme "
      "domluvit e-mailem."}},
    {kBody,
     {"Přejeme vám, ať vám program dobře slouží. Svá přání, připomínky a nalezené chyby nám prosím posílejte na "
      "adresu uvedenou níže."}},
    {0, {""}},
    {kSignature, {kAuthorName}},
    {kSignature, {kAuthorMail}},
    {kSignature, {kMakerWeb, ", ", kAuthorWeb}},
    {kSignature, {"ICQ: ", kIcq}},
};

}  // namespace

std::string HelpParagraph(int index) {
    if (index < 0 || index >= kHelpParagraphCount) return {};
    const Paragraph& paragraph = kParagraphs[index];
    std::string text(size_t(paragraph.indent), ' ');
    for (std::string_view part : paragraph.parts) text += part;
    return text;
}

std::string HelpText() {
    std::string text;
    for (int i = 0; i < kHelpParagraphCount; ++i) {
        if (i > 0) text += "\r\n";
        text += HelpParagraph(i);
    }
    return text;
}

}  // namespace dialogs
