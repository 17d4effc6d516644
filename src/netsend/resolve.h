// Finding a messenger name's address, in the order the system's NetBIOS resolver keeps: the
// lmhosts file, the host resolver, the name server (WINS) where one is set, and a broadcast
// query on the local subnets where broadcasts are on, all within the command's one deadline.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "netsend/config.h"
#include "netsend/sockets.h"

namespace netsend {

// The address (host order) of `name`, an upper-case name in the OEM code page, looked up within
// what is left of `deadline`. Only lmhosts may name a loopback, multicast or broadcast address.
std::optional<std::uint32_t> ResolveName(std::string_view name, const Config& config, const Deadline& deadline);

// A fresh 16-bit id for a query or a datagram.
std::uint16_t NewPacketId();

}  // namespace netsend
