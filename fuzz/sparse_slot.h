// A slot file given sparsely, so a fuzzer's few bytes can reach all three regions of a
// 500 KB file: a 4-byte little-endian file size, then chunks of a 4-byte offset, a 2-byte
// length and that many bytes. Everything no chunk covers reads as zero.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "savedata/format.h"

namespace foalix::fuzz {

using savedata::Byte;

// Every region of a slot lies below 1 MB; larger files read alike.
inline constexpr std::uint32_t kMaxSize = 1u << 20;

// The whole file a sparse form describes.
inline std::vector<Byte> fromSparse(const Byte* data, std::size_t size) {
    std::size_t at = 0;
    const auto take = [&](std::size_t n) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < n && at < size; ++i, ++at) {
            value |= std::uint64_t{data[at]} << (8 * i);
        }
        return value;
    };
    std::vector<Byte> file(take(4) % (kMaxSize + 1), 0);
    while (at < size) {
        const auto offset = static_cast<std::size_t>(take(4) % kMaxSize);
        const auto length = std::min<std::size_t>(take(2), size - at);
        for (std::size_t i = 0; i < length && offset + i < file.size(); ++i) {
            file[offset + i] = data[at + i];
        }
        at += length;
    }
    return file;
}

// The sparse form of a whole file: its size, then every run of non-zero bytes.
inline std::vector<Byte> toSparse(const std::vector<Byte>& file) {
    std::vector<Byte> out;
    const auto put = [&out](std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<Byte>(value >> (8 * i)));
        }
    };
    put(file.size(), 4);
    for (std::size_t at = 0; at < file.size();) {
        if (file[at] == 0) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < file.size() && end - at < 0xFFFF &&
               (file[end] != 0 || (end + 1 < file.size() && file[end + 1] != 0))) {
            ++end;
        }
        put(at, 4);
        put(end - at, 2);
        out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(at),
                   file.begin() + static_cast<std::ptrdiff_t>(end));
        at = end;
    }
    return out;
}

}  // namespace foalix::fuzz
