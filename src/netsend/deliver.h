// Delivering a message: to one messenger over a NetBIOS session, or to a group as a datagram on
// the local subnets.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "netsend/report.h"
#include "netsend/sockets.h"

namespace netsend {

// Everything in the OEM code page, the text already within its limit.
struct Message {
    std::string computer;  // the sending workstation
    std::string from;      // the sending user
    std::string to;        // the messenger name or the group
    std::string text;
};

// The result always names its outcome: none is "sent" for want of another.
struct Delivery {
    Delivery(Outcome result, std::string code = {}) : outcome(result), detail(std::move(code)) {}
    Outcome outcome;
    std::string detail;  // the error code, for the line that reports a failure
    std::size_t cut = 0;  // the length the text was cut to; zero when it went whole
};

// To the messenger `message.to` at `address` (host order), within the command's deadline.
Delivery DeliverMessage(std::uint32_t address, const Message& message, const Deadline& deadline);

// To the group `message.to`, one datagram on each subnet that takes broadcasts: sent when it went
// out on all of them, partly sent when on some.
Delivery BroadcastMessage(const Message& message);

}  // namespace netsend
