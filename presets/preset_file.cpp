#include "presets/preset_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>

#include "core/addresses.h"
#include "presets/preset_codec.h"

namespace aec {

namespace {

constexpr int kLastPresetPage = 24;
constexpr int kLastStoredPage = kPageCount - 1;
constexpr int kLastStoredSlot = kSlotCount - 1;

PresetResult Failure(PresetError error, size_t line) { return {error, static_cast<int>(line)}; }

// Field 0 or 1 of a plain line as a number, or the error that stops the load.
struct NumberField {
    PresetError error = PresetError::kNone;
    int32_t value = 0;
};

NumberField FieldNumber(const std::vector<std::string_view>& fields, size_t index) {
    if (fields.size() <= index) {
        return {PresetError::kShortLine, 0};
    }
    const std::optional<int32_t> value = ParseDecimal(fields[index]);
    if (!value) {
        return {PresetError::kBadNumber, 0};
    }
    return {PresetError::kNone, *value};
}

NumberField FieldNumber(const std::string& plain, size_t index) {
    return FieldNumber(SplitFields(plain), index);
}

bool InsideStores(int address) {
    return address >= 0 && PageOf(address) <= kLastStoredPage && SlotOf(address) <= kLastStoredSlot;
}

// Reads and checks one record line masked with its line number n.
PresetResult ParseRecord(const std::string& plain, int n, PresetRecord& record) {
    const std::vector<std::string_view> fields = SplitFields(plain);
    if (fields.size() < 2) {
        return {PresetError::kShortLine, n};
    }
    const NumberField address = FieldNumber(fields, 0);
    if (address.error != PresetError::kNone) {
        return {address.error, n};
    }
    const NumberField value = FieldNumber(fields, 1);
    if (value.error != PresetError::kNone) {
        return {value.error, n};
    }
    record.address = address.value ^ n;
    record.value = value.value ^ n;
    if (!InsideStores(record.address)) {
        return {PresetError::kAddressOutside, n};
    }
    return {};
}

}  // namespace

std::vector<int> PresetRecordAddresses() {
    std::vector<int> addresses;
    addresses.reserve(kPresetRecords);
    for (int page = 0; page <= kLastPresetPage; ++page) {
        // The page's slot count is taken as its highest slot, so that slot is stored too.
        for (int slot = 0; slot <= PageSlotCount(page); ++slot) {
            addresses.push_back(MakeAddress(page, slot));
        }
    }
    addresses.push_back(kInputSelectAddress);
    return addresses;
}

std::vector<std::string> PresetPlainLines(const Model& model) {
    std::vector<std::string> lines;
    lines.reserve(kPresetLines);
    lines.push_back("Vq " + std::to_string(kFormatByte ^ kHeaderMask));
    lines.push_back("Lorvi " + std::to_string(kVersionByte ^ kHeaderMask));
    uint32_t sum = 0;
    for (int address : PresetRecordAddresses()) {
        const int n = static_cast<int>(lines.size());
        const int32_t value = model.param(PageOf(address), SlotOf(address));
        sum += static_cast<uint32_t>(value);
        lines.push_back(std::to_string(address ^ n) + " " + std::to_string(value ^ n));
    }
    // The count is the count line's own number.
    lines.push_back("Intoal: " + std::to_string(lines.size()));
    lines.push_back("CCCCK: " + std::to_string(PresetChecksum(sum)));
    return lines;
}

std::string PresetFileText(const Model& model) {
    std::string text;
    for (const std::string& plain : PresetPlainLines(model)) {
        text += ScrambleLine(plain);
        text += "\r\n";
    }
    return text;
}

ParsedPreset ParsePreset(std::string_view fileText) {
    const std::vector<std::string_view> fileLines = SplitLines(fileText);
    std::vector<std::string> plain;
    plain.reserve(fileLines.size());
    for (size_t n = 0; n < fileLines.size(); ++n) {
        std::optional<std::string> line = UnscrambleLine(fileLines[n]);
        if (!line) {
            return {Failure(PresetError::kNotHex, n), {}};
        }
        plain.push_back(std::move(*line));
    }
    if (plain.size() < 2) {
        return {Failure(PresetError::kFormat, plain.size()), {}};
    }

    for (size_t n = 0; n < 2; ++n) {
        const NumberField field = FieldNumber(plain[n], 1);
        if (field.error != PresetError::kNone) {
            return {Failure(field.error, n), {}};
        }
        const int expected = n == 0 ? kFormatByte : kVersionByte;
        if ((field.value ^ kHeaderMask) != expected) {
            return {Failure(PresetError::kFormat, n), {}};
        }
    }

    const size_t last = plain.size() - 1;
    const NumberField count = FieldNumber(plain[last - 1], 1);
    if (count.error != PresetError::kNone) {
        return {Failure(count.error, last - 1), {}};
    }
    const NumberField stated = FieldNumber(plain[last], 1);
    if (stated.error != PresetError::kNone) {
        return {Failure(stated.error, last), {}};
    }
    if (static_cast<int64_t>(last) != int64_t{count.value} + 1) {
        return {Failure(PresetError::kCorrupted, last - 1), {}};
    }

    ParsedPreset parsed;
    // The count check leaves last >= 3 here, so the record range is well formed.
    parsed.records.reserve(last - 3);
    uint32_t sum = 0;
    for (size_t n = 2; n + 2 <= last; ++n) {
        PresetRecord record;
        const PresetResult result = ParseRecord(plain[n], static_cast<int>(n), record);
        if (!result.ok()) {
            return {result, {}};
        }
        sum += static_cast<uint32_t>(record.value);
        parsed.records.push_back(record);
    }
    if (PresetChecksum(sum) != stated.value) {
        return {Failure(PresetError::kCorrupted, last), {}};
    }
    return parsed;
}

void ApplyPreset(const std::vector<PresetRecord>& records, Model& model) {
    model.diagnosticLog.clear();
    for (const PresetRecord& record : records) {
        model.setParam(PageOf(record.address), SlotOf(record.address), record.value);
        model.diagnosticLog.append(std::to_string(record.address) + " " +
                                   std::to_string(record.value));
    }
}

PresetResult LoadPresetText(std::string_view fileText, Model& model) {
    const ParsedPreset parsed = ParsePreset(fileText);
    if (parsed.result.ok()) {
        ApplyPreset(parsed.records, model);
    }
    return parsed.result;
}

ParsedPreset ParsePresetFile(const std::filesystem::path& path) {
    const ParsedPreset notFound{{PresetError::kNotFound, -1}, {}};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return notFound;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        return notFound;
    }
    if (size > kMaxPresetFileBytes) {
        return {{PresetError::kCorrupted, -1}, {}};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return notFound;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    if (in.bad()) {
        return notFound;
    }
    return ParsePreset(text);
}

PresetResult LoadPresetFile(const std::filesystem::path& path, Model& model) {
    const ParsedPreset parsed = ParsePresetFile(path);
    if (parsed.result.ok()) {
        ApplyPreset(parsed.records, model);
    }
    return parsed.result;
}

PresetResult SavePresetFile(const std::filesystem::path& path, const Model& model) {
    return WriteFileAtomically(path, PresetFileText(model));
}

PresetResult WriteFileAtomically(const std::filesystem::path& path, std::string_view contents) {
    const PresetResult failed{PresetError::kWriteFailed, -1};
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    // The temporary name must not match the preset list's mask, so a left-over never shows.
    std::string tempName = (folder / ".preset-save-XXXXXX").string();
    const int fd = mkstemp(tempName.data());
    if (fd < 0) {
        return failed;
    }

    bool ok = true;
    for (size_t done = 0; ok && done < contents.size();) {
        const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        if (ok) {
            done += static_cast<size_t>(n);
        }
    }
    // A replaced preset keeps its permissions; a new one gets the usual rw-r--r--.
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ok = ok && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && std::rename(tempName.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(tempName.c_str());
        return failed;
    }
    return {};
}

}  // namespace aec
