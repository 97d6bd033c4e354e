// Makes a Windows icon file (.ico) from square PNG pictures, one entry for
// each, stored as PNG as Windows Vista and later read them:
//   make_icon OUTPUT.ico PICTURE.png...
// An icon file is a directory (a six-byte header and a sixteen-byte entry
// for each picture: its size, its length and where it starts) followed by
// the pictures themselves. Refuses anything that is not a square PNG of at
// most 256 pixels, the largest an icon holds.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

const unsigned char PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

std::uint32_t bigEndian32(const Bytes& b, std::size_t at)
{
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

void put16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<unsigned char>(value & 0xff));
    out.push_back(static_cast<unsigned char>(value >> 8 & 0xff));
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

// The picture's side in pixels, or 0 (with the reason on stderr) when it
// cannot be an icon's entry.
std::uint32_t side(const Bytes& png, const char* name)
{
    // The signature, then the IHDR chunk: length, "IHDR", width, height.
    if (png.size() < 24 || !std::equal(std::begin(PngSignature), std::end(PngSignature), png.begin())
        || std::string(png.begin() + 12, png.begin() + 16) != "IHDR") {
        std::fprintf(stderr, "make_icon: %s is not a PNG picture\n", name);
        return 0;
    }
    const std::uint32_t width = bigEndian32(png, 16);
    const std::uint32_t height = bigEndian32(png, 20);
    if (width != height || width == 0 || width > 256) {
        std::fprintf(stderr, "make_icon: %s is %ux%u; an icon's pictures are square, 256 pixels at most\n", name,
                     unsigned(width), unsigned(height));
        return 0;
    }
    return width;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico PICTURE.png...\n");
        return 2;
    }
    std::vector<Bytes> pictures;
    std::vector<std::uint32_t> sides;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        Bytes png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.eof() && !in) {
            std::fprintf(stderr, "make_icon: cannot read %s\n", argv[i]);
            return 1;
        }
        const std::uint32_t s = side(png, argv[i]);
        if (s == 0)
            return 1;
        pictures.push_back(std::move(png));
        sides.push_back(s);
    }

    Bytes icon;
    put16(icon, 0);                // reserved
    put16(icon, 1);                // an icon, not a cursor
    put16(icon, unsigned(pictures.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        icon.push_back(static_cast<unsigned char>(sides[i] == 256 ? 0 : sides[i])); // 0 stands for 256
        icon.push_back(static_cast<unsigned char>(sides[i] == 256 ? 0 : sides[i]));
        icon.push_back(0); // no palette
        icon.push_back(0); // reserved
        put16(icon, 1);    // colour planes
        put16(icon, 32);   // bits per pixel
        put32(icon, std::uint32_t(pictures[i].size()));
        put32(icon, offset);
        offset += std::uint32_t(pictures[i].size());
    }
    for (const Bytes& png : pictures)
        icon.insert(icon.end(), png.begin(), png.end());

    const std::string part = std::string(argv[1]) + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(icon.data()), std::streamsize(icon.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", part.c_str());
            return 1;
        }
    }
    std::remove(argv[1]);
    if (std::rename(part.c_str(), argv[1]) != 0) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
