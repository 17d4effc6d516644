#include "netsend/resolve.h"

#include <winsock2.h>
#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "netsend/lmhosts.h"
#include "netsend/netbios.h"
#include "netsend/sockets.h"
#include "toolkit/handles.h"

namespace netsend {

namespace {
constexpr char kLmhostsPath[] = "\\drivers\\etc\\lmhosts";
constexpr DWORD kLargestLmhosts = 1 << 20;  // more than any hand-kept file
constexpr int kQueryTries = 3;
constexpr DWORD kQueryWaitMs = 750;
// The host resolver's share of the command's deadline: a name server that answers at all does so
// well within it, and the rest is left for the other look-ups and the delivery.
constexpr DWORD kHostResolverMs = 6000;

// Whether a name's answer may be taken: one host, not this computer's loopback network, and not a
// local subnet's broadcast address.
bool Usable(std::uint32_t address) {
    if (!Unicast(address) || (address >> 24) == 127) return false;
    for (const Subnet& subnet : BroadcastSubnets())
        if (subnet.broadcast == address) return false;
    return true;
}

std::optional<std::uint32_t> FromLmhosts(std::string_view name) {
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    const std::string path = std::string(directory, length) + kLmhostsPath;
    const tk::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return std::nullopt;
    std::string text(kLargestLmhosts, '\0');
    DWORD got = 0;
    if (!ReadFile(file.Get(), text.data(), kLargestLmhosts, &got, nullptr)) return std::nullopt;
    text.resize(got);
    return LmhostsAddress(text, name);
}

// A host resolver's look-up, on a thread of its own: the resolver may wait for a name server for
// as long as it likes.
struct HostLookup {
    std::string name;
    std::optional<std::uint32_t> address;
};

DWORD WINAPI LookUpHost(void* data) {
    HostLookup& lookup = *static_cast<HostLookup*>(data);
    const hostent* host = gethostbyname(lookup.name.c_str());
    if (!host || host->h_addrtype != AF_INET || host->h_length != sizeof(in_addr)) return 0;
    for (char** entry = host->h_addr_list; *entry && !lookup.address; ++entry) {
        in_addr address;
        std::memcpy(&address, *entry, sizeof address);
        if (Usable(ntohl(address.s_addr))) lookup.address = ntohl(address.s_addr);
    }
    return 0;
}

// A look-up still running when its share is spent is left to its thread, which the process's end
// ends; so is its record.
std::optional<std::uint32_t> FromHostResolver(std::string_view name, const Deadline& deadline) {
    auto lookup = std::make_unique<HostLookup>(HostLookup{std::string(name), std::nullopt});
    DWORD id = 0;
    const tk::KernelHandle thread(CreateThread(nullptr, 0, LookUpHost, lookup.get(), 0, &id));
    if (!thread) return std::nullopt;
    if (WaitForSingleObject(thread.get(), std::min(kHostResolverMs, deadline.Left())) != WAIT_OBJECT_0) {
        lookup.release();
        return std::nullopt;
    }
    return lookup->address;
}

// Asks the servers (or, broadcasting, the subnets) for the name's messenger, a few times.
std::optional<std::uint32_t> Query(std::string_view name, const std::vector<std::uint32_t>& servers, bool broadcast,
                                   const Deadline& deadline) {
    Socket socket;
    if (servers.empty() || OpenDatagramSocket(0, socket)) return std::nullopt;
    const std::uint16_t id = NewPacketId();
    const std::string query = NameQuery(id, name, kMessengerSuffix, broadcast);
    for (int attempt = 0; attempt < kQueryTries && deadline.Left(); ++attempt) {
        for (const std::uint32_t server : servers) SendDatagram(socket, server, kNamePort, query);
        const Deadline wait(std::min(kQueryWaitMs, deadline.Left()));
        std::string packet;
        std::uint32_t from = 0;
        while (wait.Left()) {
            if (ReceiveDatagram(socket, wait.Left(), packet, from)) break;
            // A name server answers for itself; on a subnet any node may.
            if (!broadcast && std::find(servers.begin(), servers.end(), from) == servers.end()) continue;
            const NameAnswer answer = ParseNameAnswer(packet, id, name, kMessengerSuffix);
            if (answer.kind == NameAnswer::kFound && Usable(answer.address)) return answer.address;
            // A name server's "no such name" is final; on a subnet another node may still answer.
            if (answer.kind == NameAnswer::kNotFound && !broadcast) return std::nullopt;
        }
    }
    return std::nullopt;
}
}  // namespace

// Random, so that no one who has not seen the query can answer it; the clock and the process only
// where the system gives no random bytes.
std::uint16_t NewPacketId() {
    std::uint16_t id = std::uint16_t(GetTickCount() ^ (GetCurrentProcessId() << 4));
    HCRYPTPROV provider = 0;
    if (CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
        CryptGenRandom(provider, sizeof id, reinterpret_cast<BYTE*>(&id));
        CryptReleaseContext(provider, 0);
    }
    return id;
}

std::optional<std::uint32_t> ResolveName(std::string_view name, const Config& config, const Deadline& deadline) {
    if (const auto address = FromLmhosts(name)) return address;
    if (const auto address = FromHostResolver(name, deadline)) return address;
    if (config.winsServer) {
        if (const auto address = Query(name, {*config.winsServer}, false, deadline)) return address;
    }
    if (!config.broadcasts) return std::nullopt;
    std::vector<std::uint32_t> broadcasts;
    for (const Subnet& subnet : BroadcastSubnets()) broadcasts.push_back(subnet.broadcast);
    return Query(name, broadcasts, true, deadline);
}

}  // namespace netsend
