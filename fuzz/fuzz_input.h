#pragma once

// Splits a fuzzer's bytes into the arguments of one call and the file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte()
    {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }

    // Up to the next 0x01 byte.
    std::string token()
    {
        const std::size_t end = rest_.find('\x01');
        std::string t(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return t;
    }

    std::string rest() const { return std::string(rest_); }

private:
    std::string_view rest_;
};

[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void require(bool ok, const char* what)
{
    if (!ok)
        fail(what);
}

// The file as (text, ending) lines, every byte in exactly one of them.
inline std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        std::size_t i = begin;
        while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        if (i < bytes.size())
            i += (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        lines.push_back(bytes.substr(begin, i - begin));
        begin = i;
    }
    return lines;
}
