// ztrn-media: makes and reads the packed streams and media records that the
// game carries. Damaged input ends with one line on stderr and exit status 1;
// the output file is then neither created nor left half-written.
#include "blockcodec.h"
#include "bmp.h"
#include "mediarecord.h"
#include "textcodes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr int ExitDamaged = 1;
constexpr int ExitUsage = 2;

const char* const Usage = "usage: ztrn-media pack IN OUT\n"
                          "       ztrn-media unpack IN OUT\n"
                          "       ztrn-media record [--ident N] [--description TEXT] [--stored]\n"
                          "                         [--pixel-format mono|4bit|8bit] IN OUT\n"
                          "       ztrn-media extract IN OUT\n"
                          "\n"
                          "  pack     the bytes of IN as one packed stream in OUT\n"
                          "  unpack   the content of the packed stream at the start of IN to OUT\n"
                          "  record   the file IN as the content of one media record in OUT\n"
                          "           (compressed unless --stored; a pixel format only for a BMP)\n"
                          "  extract  the content of the media record in IN to OUT; prints its\n"
                          "           flags, ident and description\n";

// Bad arguments: main prints the usage and exits with ExitUsage.
struct UsageError {
    std::string text;
};

// A file that cannot be read or written.
struct FileError {
    std::string text;
};

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError{"cannot open " + path};
    Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FileError{"cannot read " + path};
    return data;
}

// Writes beside the target first and renames, so that OUT is either the
// whole result or untouched.
void WriteFileWhole(const std::string& path, const Bytes& data) {
    const fs::path target(path);
    std::random_device rd;
    const fs::path temp = target.parent_path() / ("." + target.filename().string() + ".part" +
                                                  std::to_string(rd() % 1000000));
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(reinterpret_cast<const char*>(data.data()),
                      static_cast<std::streamsize>(data.size()));
            out.flush();
        }
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw FileError{"cannot write " + path};
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw FileError{"cannot write " + path + ": " + ec.message()};
    }
}

int Pack(const std::string& in, const std::string& out) {
    const Bytes content = ReadFile(in);
    Bytes packed;
    zt::PackStream(content, packed);
    WriteFileWhole(out, packed);
    return 0;
}

int Unpack(const std::string& in, const std::string& out) {
    const Bytes packed = ReadFile(in);
    Bytes content;
    zt::UnpackStream(packed, content);
    WriteFileWhole(out, content);
    return 0;
}

int Record(const std::vector<std::string>& args) {
    zt::MediaRecord record;
    record.Compressed = true;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{a + " needs a value"};
            return args[++i];
        };
        if (a == "--ident") {
            const std::string& v = value();
            if (v.empty() || v.size() > 5 || v.find_first_not_of("0123456789") != v.npos ||
                std::stoul(v) > 65535)
                throw UsageError{"--ident takes a number from 0 to 65535"};
            record.Ident = static_cast<std::uint16_t>(std::stoul(v));
        } else if (a == "--description") {
            const auto latin1 = zt::Utf8ToLatin1(value());
            if (!latin1)
                throw UsageError{"--description takes Latin-1 characters only"};
            if (latin1->size() > 255)
                throw UsageError{"--description takes at most 255 characters"};
            record.Description = *latin1;
        } else if (a == "--stored") {
            record.Compressed = false;
        } else if (a == "--pixel-format") {
            const std::string& v = value();
            if (v == "mono")
                record.PixelFormat = zt::spfMono;
            else if (v == "4bit")
                record.PixelFormat = zt::spf4bit;
            else if (v == "8bit")
                record.PixelFormat = zt::spf8bit;
            else
                throw UsageError{"--pixel-format takes mono, 4bit or 8bit"};
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError{"unknown option " + a};
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2)
        throw UsageError{"record needs IN and OUT"};
    record.Content = ReadFile(files[0]);
    if (record.PixelFormat != zt::spfDefault)
        zt::ReadBmpInfo(record.Content); // a pixel format only for a BMP
    WriteFileWhole(files[1], zt::WriteMediaRecord(record));
    return 0;
}

int Extract(const std::string& in, const std::string& out) {
    const Bytes data = ReadFile(in);
    const zt::MediaRecord record = zt::ReadMediaRecord(data);
    WriteFileWhole(out, record.Content);
    char flags[8];
    std::snprintf(flags, sizeof flags, "0x%02X", data[0]);
    std::cout << "flags " << flags << " ident " << record.Ident << " description \""
              << zt::Latin1ToUtf8(record.Description) << "\"\n";
    return 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"no command"};
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "record")
        return Record(rest);
    if (command != "pack" && command != "unpack" && command != "extract")
        throw UsageError{"unknown command " + command};
    if (rest.size() != 2 || rest[0].starts_with("-") || rest[1].starts_with("-"))
        throw UsageError{command + " needs IN and OUT"};
    if (command == "pack")
        return Pack(rest[0], rest[1]);
    if (command == "unpack")
        return Unpack(rest[0], rest[1]);
    return Extract(rest[0], rest[1]);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << Usage;
        return 0;
    }
    try {
        return Run(args);
    } catch (const UsageError& e) {
        std::cerr << "ztrn-media: " << e.text << "\n" << Usage;
        return ExitUsage;
    } catch (const FileError& e) {
        std::cerr << "ztrn-media: " << e.text << "\n";
        return ExitDamaged;
    } catch (const std::exception& e) {
        std::cerr << "ztrn-media: " << e.what() << "\n";
        return ExitDamaged;
    }
}
