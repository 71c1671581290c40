#include "tools/slotgen/slot_image.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "savedata/names.h"
#include "tools/slotgen/encode_name.h"

namespace foalix::slotgen {

using namespace savedata;

namespace {

constexpr std::array<Byte, 2> kUnusedId{EMPTY_ROSTER_ID & 0xFF, EMPTY_ROSTER_ID >> 8};

std::array<Byte, 2> littleEndian(int value) {
    return {static_cast<Byte>(value & 0xFF), static_cast<Byte>((value >> 8) & 0xFF)};
}

std::int64_t recordOffset(int r) {
    if (r < 1 || r > kRosterRecords) {
        throw DescriptionError("record number must be 1 to 40: " + std::to_string(r));
    }
    return kRosterOffset + std::int64_t{kRosterStride} * (r - 1);
}

}  // namespace

SlotImage::SlotImage() : bytes_(static_cast<std::size_t>(kRosterEnd), 0) {
    for (int r = 1; r <= kRosterRecords; ++r) {
        unused(r);
    }
}

SlotImage& SlotImage::put(std::int64_t offset, std::span<const Byte> bytes) {
    const auto end = static_cast<std::size_t>(offset) + bytes.size();
    if (bytes_.size() < end) {
        bytes_.resize(end, 0);
    }
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + offset);
    return *this;
}

SlotImage& SlotImage::resize(std::size_t size) {
    bytes_.resize(size, 0);
    return *this;
}

SlotImage& SlotImage::unused(int r) {
    return put(recordOffset(r), kUnusedId);
}

SlotImage& SlotImage::recordRaw(int r, int id, std::span<const Byte> nameBytes) {
    if (nameBytes.size() > kNameFieldBytes) {
        throw DescriptionError("a name field holds at most 84 bytes");
    }
    std::array<Byte, kRosterStride> record{};
    const auto idBytes = littleEndian(id);
    std::copy(idBytes.begin(), idBytes.end(), record.begin());
    std::copy(nameBytes.begin(), nameBytes.end(), record.begin() + 2);
    return put(recordOffset(r), record);
}

SlotImage& SlotImage::names(NameEncoding encoding) {
    names_ = encoding;
    return *this;
}

SlotImage& SlotImage::record(int r, int id, std::string_view name) {
    const auto encoded = encodeToCodePage(names_, name);
    if (!encoded) {
        throw DescriptionError("name has no " + std::string(encodingName(names_)) +
                               " encoding: " + std::string(name));
    }
    const auto* data = reinterpret_cast<const Byte*>(encoded->data());
    return recordRaw(r, id, std::span<const Byte>(data, encoded->size()));
}

SlotImage& SlotImage::link(int id, int abilityIndex, Byte sex) {
    std::array<Byte, kLinkStride> entry{};
    const auto index = littleEndian(abilityIndex);
    entry[0] = index[0];
    entry[1] = index[1];
    entry[LinkEntry::kSexByte] = sex;
    return put(kLinkOffset + std::int64_t{kLinkStride} * id, entry);
}

SlotImage& SlotImage::ability(int index, const std::array<Byte, kAbilityBytesRead>& bytes) {
    return put(kAbilityOffset + std::int64_t{kAbilityStride} * index, bytes);
}

SlotImage& SlotImage::foal(int r, int id, std::string_view name, int abilityIndex, Byte sex,
                           const std::array<Byte, kAbilityBytesRead>& bytes) {
    return record(r, id, name).link(id, abilityIndex, sex).ability(abilityIndex, bytes);
}

void SlotImage::writeTo(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes_.data()),
              static_cast<std::streamsize>(bytes_.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

namespace {

class Statement {
  public:
    Statement(const std::string& line, int number) : in_(line), number_(number) {}

    std::string word() {
        std::string w;
        if (!(in_ >> w)) {
            fail("missing value");
        }
        return w;
    }
    int number() {
        const std::string w = word();
        try {
            std::size_t used = 0;
            const int value = std::stoi(w, &used, 10);
            if (used == w.size() && value >= 0) {
                return value;
            }
        } catch (const std::exception&) {
        }
        fail("not a number: " + w);
    }
    Byte byte() {
        const std::string w = word();
        try {
            std::size_t used = 0;
            const unsigned long value = std::stoul(w, &used, 16);
            if (used == w.size() && value <= 0xFF) {
                return static_cast<Byte>(value);
            }
        } catch (const std::exception&) {
        }
        fail("not a hexadecimal byte: " + w);
    }
    std::array<Byte, kAbilityBytesRead> abilityBytes() {
        std::array<Byte, kAbilityBytesRead> bytes{};
        for (Byte& b : bytes) {
            b = byte();
        }
        return bytes;
    }
    std::string quoted() {
        in_ >> std::ws;
        if (in_.get() != '"') {
            fail("a name must be in double quotes");
        }
        std::string text;
        if (!std::getline(in_, text, '"') || in_.eof()) {
            fail("unterminated name");
        }
        return text;
    }
    std::vector<Byte> restAsBytes() {
        std::vector<Byte> bytes;
        in_ >> std::ws;
        while (in_.peek() != EOF) {
            bytes.push_back(byte());
            in_ >> std::ws;
        }
        return bytes;
    }
    void end() {
        std::string extra;
        if (in_ >> extra) {
            fail("unexpected " + extra);
        }
    }
    [[noreturn]] void fail(const std::string& why) const {
        throw DescriptionError("line " + std::to_string(number_) + ": " + why);
    }

  private:
    std::istringstream in_;
    int number_;
};

}  // namespace

SlotImage parseDescription(std::istream& in) {
    SlotImage image;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        Statement s(line, number);
        const std::string verb = s.word();
        try {
            if (verb == "foal") {
                const int r = s.number();
                const int id = s.number();
                const std::string name = s.quoted();
                const int index = s.number();
                const Byte sex = s.byte();
                image.foal(r, id, name, index, sex, s.abilityBytes());
            } else if (verb == "record") {
                const int r = s.number();
                const int id = s.number();
                image.record(r, id, s.quoted());
            } else if (verb == "rawrecord") {
                const int r = s.number();
                const int id = s.number();
                image.recordRaw(r, id, s.restAsBytes());
            } else if (verb == "unused") {
                image.unused(s.number());
            } else if (verb == "link") {
                const int id = s.number();
                const int index = s.number();
                image.link(id, index, s.byte());
            } else if (verb == "ability") {
                const int index = s.number();
                image.ability(index, s.abilityBytes());
            } else if (verb == "encoding") {
                const auto choice = choiceFromKey(s.word());
                if (!choice || *choice == NameEncodingChoice::Automatic) {
                    s.fail("the encoding is shift-jis or big5");
                }
                image.names(*choice == NameEncodingChoice::Big5 ? NameEncoding::Big5
                                                                : NameEncoding::ShiftJis);
            } else if (verb == "size") {
                image.resize(static_cast<std::size_t>(s.number()));
            } else {
                s.fail("unknown statement " + verb);
            }
        } catch (const DescriptionError& e) {
            const std::string what = e.what();
            if (what.rfind("line ", 0) == 0) {
                throw;
            }
            s.fail(what);
        }
        s.end();
    }
    return image;
}

}  // namespace foalix::slotgen
