#include "netsend/sockets.h"

#include <ws2tcpip.h>

namespace netsend {

namespace {
constexpr std::size_t kLargestDatagram = 1500;
constexpr int kMostInterfaces = 32;

sockaddr_in Endpoint(std::uint32_t address, std::uint16_t port) {
    sockaddr_in endpoint{};
    endpoint.sin_family = AF_INET;
    endpoint.sin_addr.s_addr = htonl(address);
    endpoint.sin_port = htons(port);
    return endpoint;
}

timeval Limit(DWORD ms) { return timeval{long(ms / 1000), long(ms % 1000) * 1000}; }

// Waits until the socket can be read (or written) within `ms`.
Status Wait(const Socket& socket, bool write, DWORD ms) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket.Get(), &ready);
    timeval limit = Limit(ms);
    const int count = select(0, write ? nullptr : &ready, write ? &ready : nullptr, nullptr, &limit);
    if (count == SOCKET_ERROR) return WSAGetLastError();
    return count == 0 ? kTimedOut : 0;
}

// The interfaces that are up.
std::vector<INTERFACE_INFO> Interfaces() {
    std::vector<INTERFACE_INFO> up;
    const Socket socket(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    INTERFACE_INFO interfaces[kMostInterfaces];
    DWORD size = 0;
    if (!socket || WSAIoctl(socket.Get(), SIO_GET_INTERFACE_LIST, nullptr, 0, interfaces, sizeof interfaces, &size,
                            nullptr, nullptr) == SOCKET_ERROR)
        return up;
    for (DWORD i = 0; i < size / sizeof(INTERFACE_INFO); ++i)
        if (interfaces[i].iiFlags & IFF_UP) up.push_back(interfaces[i]);
    return up;
}

Status SetNonBlocking(const Socket& socket) {
    u_long nonBlocking = 1;
    return ioctlsocket(socket.Get(), FIONBIO, &nonBlocking) == SOCKET_ERROR ? WSAGetLastError() : 0;
}
}  // namespace

Winsock::Winsock() {
    WSADATA data;
    status_ = WSAStartup(MAKEWORD(2, 0), &data);
}

Winsock::~Winsock() {
    if (status_ == 0) WSACleanup();
}

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
        socket_ = other.socket_;
        other.socket_ = INVALID_SOCKET;
    }
    return *this;
}

Socket::~Socket() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
}

Status Connect(std::uint32_t address, std::uint16_t port, const Deadline& deadline, Socket& connected) {
    Socket socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!socket) return WSAGetLastError();
    if (const Status status = SetNonBlocking(socket)) return status;
    const sockaddr_in peer = Endpoint(address, port);
    if (connect(socket.Get(), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == SOCKET_ERROR &&
        WSAGetLastError() != WSAEWOULDBLOCK)
        return WSAGetLastError();
    fd_set writable, failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(socket.Get(), &writable);
    FD_SET(socket.Get(), &failed);
    timeval limit = Limit(deadline.Left());
    const int ready = select(0, nullptr, &writable, &failed, &limit);
    if (ready == SOCKET_ERROR) return WSAGetLastError();
    if (ready == 0) return kTimedOut;
    if (FD_ISSET(socket.Get(), &failed)) {
        int error = 0;
        int size = sizeof error;
        getsockopt(socket.Get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        return error ? error : WSAECONNREFUSED;
    }
    connected = std::move(socket);
    return 0;
}

Status SendAll(const Socket& socket, std::string_view bytes, const Deadline& deadline) {
    while (!bytes.empty()) {
        if (const Status status = Wait(socket, true, deadline.Left())) return status;
        const int sent = send(socket.Get(), bytes.data(), int(bytes.size()), 0);
        if (sent == SOCKET_ERROR && WSAGetLastError() != WSAEWOULDBLOCK) return WSAGetLastError();
        if (sent != SOCKET_ERROR) bytes.remove_prefix(std::size_t(sent));
    }
    return 0;
}

Status ReceiveExactly(const Socket& socket, std::size_t count, const Deadline& deadline, std::string& bytes,
                      std::size_t& got) {
    bytes.assign(count, '\0');
    for (got = 0; got < count;) {
        if (const Status status = Wait(socket, false, deadline.Left())) return status;
        const int received = recv(socket.Get(), bytes.data() + got, int(count - got), 0);
        if (received == SOCKET_ERROR && WSAGetLastError() != WSAEWOULDBLOCK) return WSAGetLastError();
        if (received == 0) return kClosed;
        if (received != SOCKET_ERROR) got += std::size_t(received);
    }
    return 0;
}

Status OpenDatagramSocket(std::uint16_t port, Socket& opened) {
    Socket socket(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!socket) return WSAGetLastError();
    const BOOL on = TRUE;
    if (setsockopt(socket.Get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on) ==
        SOCKET_ERROR)
        return WSAGetLastError();
    // The system's own NetBIOS service may hold the port already: then any port does.
    const sockaddr_in wanted = Endpoint(INADDR_ANY, port);
    const sockaddr_in any = Endpoint(INADDR_ANY, 0);
    if (bind(socket.Get(), reinterpret_cast<const sockaddr*>(&wanted), sizeof wanted) == SOCKET_ERROR &&
        bind(socket.Get(), reinterpret_cast<const sockaddr*>(&any), sizeof any) == SOCKET_ERROR)
        return WSAGetLastError();
    opened = std::move(socket);
    return 0;
}

Status SendDatagram(const Socket& socket, std::uint32_t address, std::uint16_t port, std::string_view bytes) {
    const sockaddr_in peer = Endpoint(address, port);
    return sendto(socket.Get(), bytes.data(), int(bytes.size()), 0, reinterpret_cast<const sockaddr*>(&peer),
                  sizeof peer) == SOCKET_ERROR
               ? WSAGetLastError()
               : 0;
}

Status ReceiveDatagram(const Socket& socket, DWORD ms, std::string& bytes, std::uint32_t& from) {
    if (const Status status = Wait(socket, false, ms)) return status;
    bytes.assign(kLargestDatagram, '\0');
    sockaddr_in sender{};
    int size = sizeof sender;
    const int received =
        recvfrom(socket.Get(), bytes.data(), int(bytes.size()), 0, reinterpret_cast<sockaddr*>(&sender), &size);
    if (received == SOCKET_ERROR) return WSAGetLastError();
    bytes.resize(std::size_t(received));
    from = ntohl(sender.sin_addr.s_addr);
    return 0;
}

std::vector<Subnet> BroadcastSubnets() {
    std::vector<Subnet> subnets;
    for (const INTERFACE_INFO& info : Interfaces()) {
        if (!(info.iiFlags & IFF_BROADCAST) || (info.iiFlags & IFF_LOOPBACK)) continue;
        // Windows reports 255.255.255.255 as every interface's broadcast address: the subnet's
        // own comes from the address and the mask.
        const std::uint32_t address = ntohl(info.iiAddress.AddressIn.sin_addr.s_addr);
        const std::uint32_t mask = ntohl(info.iiNetmask.AddressIn.sin_addr.s_addr);
        subnets.push_back({address, address | ~mask});
    }
    return subnets;
}

std::vector<std::uint32_t> LocalAddresses() {
    std::vector<std::uint32_t> addresses;
    for (const INTERFACE_INFO& info : Interfaces())
        addresses.push_back(ntohl(info.iiAddress.AddressIn.sin_addr.s_addr));
    return addresses;
}

}  // namespace netsend
