#include "pause/SpeechModel.h"

#include "audio/BinaryFile.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

constexpr char Magic[8] = {'B', 'R', 'L', 'W', 'V', 'A', 'D', '\0'};
constexpr std::uint32_t Version = 1;
constexpr std::size_t NameBytes = 24, EntryBytes = NameBytes + 6 * 4, HeaderBytes = 16;
// Far above the 1.2 MB of the real model: a file larger than this is not one.
constexpr std::int64_t MaxFileBytes = 4 << 20;

struct Expected {
    const char* name;
    std::array<std::uint32_t, 3> dims; // 0 past the rank
};

// One row per SpeechModel::Tensor, in the same order.
constexpr Expected Table[SpeechModel::TensorCount] = {
    {"stft.basis", {258, 256, 0}},     {"enc0.weight", {128, 129, 3}},
    {"enc0.bias", {128, 0, 0}},        {"enc1.weight", {64, 128, 3}},
    {"enc1.bias", {64, 0, 0}},         {"enc2.weight", {64, 64, 3}},
    {"enc2.bias", {64, 0, 0}},         {"enc3.weight", {128, 64, 3}},
    {"enc3.bias", {128, 0, 0}},        {"lstm.weight_ih", {512, 128, 0}},
    {"lstm.weight_hh", {512, 128, 0}}, {"lstm.bias_ih", {512, 0, 0}},
    {"lstm.bias_hh", {512, 0, 0}},     {"out.weight", {128, 0, 0}},
    {"out.bias", {1, 0, 0}},
};

std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

// zlib's CRC-32, which the converter writes.
std::uint32_t Crc32(const std::uint8_t* p, std::size_t n) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

SpeechModelResult Fail(std::string why) {
    return {std::nullopt, std::move(why)};
}

SpeechModelResult Parse(const std::vector<std::uint8_t>& bytes) {
    const std::size_t n = bytes.size();
    if (n < HeaderBytes + 4 || std::memcmp(bytes.data(), Magic, sizeof Magic) != 0)
        return Fail("it is not a speech model file");
    if (Crc32(bytes.data(), n - 4) != U32(bytes.data() + n - 4))
        return Fail("it is damaged (its checksum does not match)");
    if (U32(bytes.data() + 8) != Version)
        return Fail("it is a model of another version of the program");
    if (U32(bytes.data() + 12) != SpeechModel::TensorCount)
        return Fail("it holds other layers than the detector's");
    const std::size_t dataStart = HeaderBytes + SpeechModel::TensorCount * EntryBytes;
    if (dataStart > n - 4)
        return Fail("it is cut short");
    const std::size_t dataFloats = (n - 4 - dataStart) / 4;

    SpeechModel model;
    for (std::size_t t = 0; t < SpeechModel::TensorCount; ++t) {
        const std::uint8_t* entry = bytes.data() + HeaderBytes + t * EntryBytes;
        const Expected& want = Table[t];
        char name[NameBytes + 1] = {};
        std::memcpy(name, entry, NameBytes);
        std::uint32_t rank = 0;
        std::size_t count = 1;
        while (rank < want.dims.size() && want.dims[rank] != 0)
            count *= want.dims[rank++];
        bool fits = std::strcmp(name, want.name) == 0 && U32(entry + NameBytes) == rank;
        for (std::uint32_t d = 0; d < 4; ++d)
            fits = fits && U32(entry + NameBytes + 4 + 4 * d) == (d < rank ? want.dims[d] : 1);
        const std::size_t offset = U32(entry + NameBytes + 20);
        if (!fits || offset > dataFloats || count > dataFloats - offset)
            return Fail(std::string("its layer ") + want.name + " is not what the detector needs");
        std::vector<float>& values = model.tensors[t];
        values.resize(count);
        std::memcpy(values.data(), bytes.data() + dataStart + 4 * offset, 4 * count);
        if constexpr (std::endian::native == std::endian::big)
            for (float& v : values) {
                std::uint32_t u;
                std::memcpy(&u, &v, 4);
                u = __builtin_bswap32(u);
                std::memcpy(&v, &u, 4);
            }
        for (float v : values)
            if (!std::isfinite(v))
                return Fail(std::string("its layer ") + want.name +
                            " holds a value that is no number");
    }
    return {std::move(model), {}};
}

} // namespace

SpeechModelResult ReadSpeechModel(CByteStream& stream) {
    const std::int64_t size = stream.Size();
    if (size < 0 || size > MaxFileBytes)
        return Fail(size < 0 ? "its size cannot be told" : "it is far too large for a model");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!stream.Seek(0) || stream.Read(bytes.data(), bytes.size()) != bytes.size())
        return Fail("it cannot be read");
    return Parse(bytes);
}

SpeechModelResult LoadSpeechModel(const std::filesystem::path& path) {
    CBinaryFile file;
    SpeechModelResult result = file.Open(path, CBinaryFile::Mode::Read)
                                   ? ReadSpeechModel(file)
                                   : Fail("it cannot be opened");
    if (!result.model)
        result.error = "The speech model " + path.string() + " cannot be used: " + result.error;
    return result;
}

std::vector<std::filesystem::path> SpeechModelPlaces(const std::filesystem::path& program) {
    std::vector<std::filesystem::path> places;
    if (program.is_absolute())
        places.push_back(
            (program.parent_path() / "../share/brellow/models/speech-v5.bin").lexically_normal());
    for (const std::filesystem::path fixed :
         {BRELLOW_SPEECH_MODEL_PREFIX_PATH, BRELLOW_SPEECH_MODEL_PACKAGE_PATH,
          BRELLOW_SPEECH_MODEL_SOURCE_PATH})
        if (places.empty() || places.back() != fixed)
            places.push_back(fixed);
    return places;
}

SpeechModelResult FindSpeechModel() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    SpeechModelResult last = Fail("no speech model is installed");
    for (const std::filesystem::path& place :
         SpeechModelPlaces(ec ? std::filesystem::path() : program)) {
        if (!std::filesystem::is_regular_file(place, ec))
            continue;
        SpeechModelResult result = LoadSpeechModel(place);
        if (result.model)
            return result;
        last = std::move(result);
    }
    return last;
}
