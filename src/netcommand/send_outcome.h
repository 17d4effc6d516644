// How the messenger command ends, as net.exe tells it and Pebblewire reads it: its exit status,
// its one deadline and the notice of a cut text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace netcommand {

// Exit statuses.
inline constexpr int kDelivered = 0;      // the peer took the whole message (a group: every subnet)
inline constexpr int kNotUnderstood = 1;  // the command line is no send command
inline constexpr int kNotSent = 2;        // nothing of the message left this computer
inline constexpr int kUnconfirmed = 3;    // some of it left, but no peer said it took it

// From the command's start to its end, name look-ups included: no peer and no name server can
// hold it longer.
inline constexpr unsigned long kCommandDeadlineMs = 20000;

// The line that tells a text longer than `limit` bytes went out cut there.
std::string CutNotice(std::size_t limit);
// That line among the command's output, without its line break; empty when there is none.
std::string_view FindCutNotice(std::string_view output);

}  // namespace netcommand
