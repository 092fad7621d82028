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

PresetResult failure(PresetError error, size_t line) { return {error, static_cast<int>(line)}; }

// Field 0 or 1 of a plain line as a number, or the error that stops the load.
struct NumberField {
    PresetError error = PresetError::kNone;
    int32_t value = 0;
};

NumberField fieldNumber(const std::vector<std::string_view>& fields, size_t index) {
    if (fields.size() <= index) {
        return {PresetError::kShortLine, 0};
    }
    const std::optional<int32_t> value = parseDecimal(fields[index]);
    if (!value) {
        return {PresetError::kBadNumber, 0};
    }
    return {PresetError::kNone, *value};
}

NumberField fieldNumber(const std::string& plain, size_t index) {
    return fieldNumber(splitFields(plain), index);
}

bool insideStores(int address) {
    return address >= 0 && pageOf(address) <= kLastStoredPage && slotOf(address) <= kLastStoredSlot;
}

// Reads and checks one record line masked with its line number n.
PresetResult parseRecord(const std::string& plain, int n, PresetRecord& record) {
    const std::vector<std::string_view> fields = splitFields(plain);
    if (fields.size() < 2) {
        return {PresetError::kShortLine, n};
    }
    const NumberField address = fieldNumber(fields, 0);
    if (address.error != PresetError::kNone) {
        return {address.error, n};
    }
    const NumberField value = fieldNumber(fields, 1);
    if (value.error != PresetError::kNone) {
        return {value.error, n};
    }
    record.address = address.value ^ n;
    record.value = value.value ^ n;
    if (!insideStores(record.address)) {
        return {PresetError::kAddressOutside, n};
    }
    return {};
}

}  // namespace

std::vector<int> presetRecordAddresses() {
    std::vector<int> addresses;
    addresses.reserve(kPresetRecords);
    for (int page = 0; page <= kLastPresetPage; ++page) {
        // The page's slot count is taken as its highest slot, so that slot is stored too.
        for (int slot = 0; slot <= pageSlotCount(page); ++slot) {
            addresses.push_back(makeAddress(page, slot));
        }
    }
    addresses.push_back(kInputSelectAddress);
    return addresses;
}

std::vector<std::string> presetPlainLines(const Model& model) {
    std::vector<std::string> lines;
    lines.reserve(kPresetLines);
    lines.push_back("Vq " + std::to_string(kFormatByte ^ kHeaderMask));
    lines.push_back("Lorvi " + std::to_string(kVersionByte ^ kHeaderMask));
    uint32_t sum = 0;
    for (int address : presetRecordAddresses()) {
        const int n = static_cast<int>(lines.size());
        const int32_t value = model.param(pageOf(address), slotOf(address));
        sum += static_cast<uint32_t>(value);
        lines.push_back(std::to_string(address ^ n) + " " + std::to_string(value ^ n));
    }
    // The count is the count line's own number.
    lines.push_back("Intoal: " + std::to_string(lines.size()));
    lines.push_back("CCCCK: " + std::to_string(presetChecksum(sum)));
    return lines;
}

std::string presetFileText(const Model& model) {
    std::string text;
    for (const std::string& plain : presetPlainLines(model)) {
        text += scrambleLine(plain);
        text += "\r\n";
    }
    return text;
}

ParsedPreset parsePreset(std::string_view fileText) {
    const std::vector<std::string_view> fileLines = splitLines(fileText);
    std::vector<std::string> plain;
    plain.reserve(fileLines.size());
    for (size_t n = 0; n < fileLines.size(); ++n) {
        std::optional<std::string> line = unscrambleLine(fileLines[n]);
        if (!line) {
            return {failure(PresetError::kNotHex, n), {}};
        }
        plain.push_back(std::move(*line));
    }
    if (plain.size() < 2) {
        return {failure(PresetError::kFormat, plain.size()), {}};
    }

    for (size_t n = 0; n < 2; ++n) {
        const NumberField field = fieldNumber(plain[n], 1);
        if (field.error != PresetError::kNone) {
            return {failure(field.error, n), {}};
        }
        const int expected = n == 0 ? kFormatByte : kVersionByte;
        if ((field.value ^ kHeaderMask) != expected) {
            return {failure(PresetError::kFormat, n), {}};
        }
    }

    const size_t last = plain.size() - 1;
    const NumberField count = fieldNumber(plain[last - 1], 1);
    if (count.error != PresetError::kNone) {
        return {failure(count.error, last - 1), {}};
    }
    const NumberField stated = fieldNumber(plain[last], 1);
    if (stated.error != PresetError::kNone) {
        return {failure(stated.error, last), {}};
    }
    if (static_cast<int64_t>(last) != int64_t{count.value} + 1) {
        return {failure(PresetError::kCorrupted, last - 1), {}};
    }

    ParsedPreset parsed;
    // The count check leaves last >= 3 here, so the record range is well formed.
    parsed.records.reserve(last - 3);
    uint32_t sum = 0;
    for (size_t n = 2; n + 2 <= last; ++n) {
        PresetRecord record;
        const PresetResult result = parseRecord(plain[n], static_cast<int>(n), record);
        if (!result.ok()) {
            return {result, {}};
        }
        sum += static_cast<uint32_t>(record.value);
        parsed.records.push_back(record);
    }
    if (presetChecksum(sum) != stated.value) {
        return {failure(PresetError::kCorrupted, last), {}};
    }
    return parsed;
}

void applyPreset(const std::vector<PresetRecord>& records, Model& model) {
    model.diagnosticLog.clear();
    for (const PresetRecord& record : records) {
        model.setParam(pageOf(record.address), slotOf(record.address), record.value);
        model.diagnosticLog.append(std::to_string(record.address) + " " +
                                   std::to_string(record.value));
    }
}

std::vector<PresetRecord> changedRecords(const std::vector<PresetRecord>& records,
                                         const Model& model) {
    std::vector<PresetRecord> changed;
    for (const PresetRecord& record : records) {
        if (model.param(pageOf(record.address), slotOf(record.address)) != record.value) {
            changed.push_back(record);
        }
    }
    return changed;
}

PresetResult loadPresetText(std::string_view fileText, Model& model) {
    const ParsedPreset parsed = parsePreset(fileText);
    if (parsed.result.ok()) {
        applyPreset(parsed.records, model);
    }
    return parsed.result;
}

ParsedPreset parsePresetFile(const std::filesystem::path& path) {
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
    return parsePreset(text);
}

PresetResult loadPresetFile(const std::filesystem::path& path, Model& model) {
    const ParsedPreset parsed = parsePresetFile(path);
    if (parsed.result.ok()) {
        applyPreset(parsed.records, model);
    }
    return parsed.result;
}

PresetResult savePresetFile(const std::filesystem::path& path, const Model& model) {
    return writeFileAtomically(path, presetFileText(model));
}

PresetResult writeFileAtomically(const std::filesystem::path& path, std::string_view contents) {
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
