// Fields of the packets as bytes: NetBIOS counts in network order (big-endian), SMB in
// little-endian. A packet is a std::string of bytes, as the rest of the program holds text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace netsend {

inline void PutByte(std::string& out, std::uint32_t value) { out.push_back(static_cast<char>(value & 0xFF)); }
inline void PutBig16(std::string& out, std::uint32_t value) {
    PutByte(out, value >> 8);
    PutByte(out, value);
}
inline void PutBig32(std::string& out, std::uint32_t value) {
    PutBig16(out, value >> 16);
    PutBig16(out, value);
}
inline void PutLittle16(std::string& out, std::uint32_t value) {
    PutByte(out, value);
    PutByte(out, value >> 8);
}

// Reads a received packet front to back. A read past its end yields zeros and marks the reader
// as failed, so a parser reads every field and asks Ok() once.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::uint32_t Byte() { return Enough(1) ? static_cast<unsigned char>(bytes_[at_++]) : 0; }
    // Each read is its own statement: the operands of | have no order of their own.
    std::uint32_t Big16() {
        const std::uint32_t high = Byte();
        return (high << 8) | Byte();
    }
    std::uint32_t Big32() {
        const std::uint32_t high = Big16();
        return (high << 16) | Big16();
    }
    std::uint32_t Little16() {
        const std::uint32_t low = Byte();
        return low | (Byte() << 8);
    }
    std::uint32_t Little32() {
        const std::uint32_t low = Little16();
        return low | (Little16() << 16);
    }
    std::string_view Take(std::size_t count) {
        if (!Enough(count)) return {};
        const std::string_view part = bytes_.substr(at_, count);
        at_ += count;
        return part;
    }
    void Skip(std::size_t count) { Take(count); }
    std::size_t Left() const { return bytes_.size() - at_; }
    bool Ok() const { return ok_; }

private:
    bool Enough(std::size_t count) {
        if (Left() < count) {
            ok_ = false;
            at_ = bytes_.size();
        }
        return ok_;
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace netsend
