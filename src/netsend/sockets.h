// Winsock as the command uses it: every wait bounded, every socket closed when it goes.
#pragma once

#include <winsock2.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace netsend {

// 0, or the Winsock error of the failed step.
using Status = int;
constexpr Status kTimedOut = WSAETIMEDOUT;  // a bounded wait ran out
constexpr Status kClosed = WSAECONNRESET;   // the peer ended the connection

// Winsock started for the program's lifetime.
class Winsock {
public:
    Winsock();
    ~Winsock();
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;
    Status Started() const { return status_; }

private:
    Status status_;
};

class Socket {
public:
    Socket() = default;
    explicit Socket(SOCKET socket) : socket_(socket) {}
    Socket(Socket&& other) noexcept : socket_(other.socket_) { other.socket_ = INVALID_SOCKET; }
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket();

    SOCKET Get() const { return socket_; }
    explicit operator bool() const { return socket_ != INVALID_SOCKET; }

private:
    SOCKET socket_ = INVALID_SOCKET;
};

// The time one exchange with a peer may take, from its start: every wait within it waits only for
// what is left, so that a peer answering a byte at a time cannot hold the command.
class Deadline {
public:
    explicit Deadline(DWORD ms) : start_(GetTickCount()), total_(ms) {}
    DWORD Left() const {
        const DWORD spent = GetTickCount() - start_;
        return spent < total_ ? total_ - spent : 0;
    }

private:
    DWORD start_;
    DWORD total_;
};

// Addresses and ports are in host order throughout. A connected socket does not block: each step
// waits for it within the deadline.
Status Connect(std::uint32_t address, std::uint16_t port, const Deadline& deadline, Socket& connected);
Status SendAll(const Socket& socket, std::string_view bytes, const Deadline& deadline);
// Exactly `count` bytes; `got` tells how many came, whole or not.
Status ReceiveExactly(const Socket& socket, std::size_t count, const Deadline& deadline, std::string& bytes,
                      std::size_t& got);

// A datagram socket that may broadcast, bound to `port` where that is free and else to any port.
Status OpenDatagramSocket(std::uint16_t port, Socket& opened);
Status SendDatagram(const Socket& socket, std::uint32_t address, std::uint16_t port, std::string_view bytes);
// The next datagram within `ms`, and the address it came from.
Status ReceiveDatagram(const Socket& socket, DWORD ms, std::string& bytes, std::uint32_t& from);

// The local subnets that take broadcasts: the interface's own address and the subnet's
// broadcast address.
struct Subnet {
    std::uint32_t address;
    std::uint32_t broadcast;
};
std::vector<Subnet> BroadcastSubnets();
// This computer's addresses, the loopback one too.
std::vector<std::uint32_t> LocalAddresses();

}  // namespace netsend
