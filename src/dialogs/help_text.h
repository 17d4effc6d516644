// The help window's text: 23 paragraphs, each opened by the spaces that indent or centre it.
#pragma once

#include <string>

namespace dialogs {

constexpr int kHelpParagraphCount = 23;

// Paragraph `index` (0 to kHelpParagraphCount - 1) with its leading spaces.
std::string HelpParagraph(int index);

// All paragraphs joined by CR LF, as the text area holds them.
std::string HelpText();

}  // namespace dialogs
