// Build-time helper: turns the media records made from assets/ into a C++
// source that carries them as byte arrays.
//   ztrn-embed-records OUT.cpp bitmap=FILE... wave=FILE... bitmap2x=FILE... bitmap3x=FILE...
// An empty FILE stands for an item without content.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

void WriteArray(std::ostream& out, const std::string& name,
                const std::vector<unsigned char>& data) {
    out << "alignas(16) const std::uint8_t " << name << "[" << data.size() << "] = {";
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i % 24 == 0)
            out << "\n   ";
        out << ' ' << static_cast<unsigned>(data[i]) << ',';
    }
    out << "\n};\n\n";
}

void WriteList(std::ostream& out, const char* function, const std::vector<std::string>& names) {
    out << "std::vector<std::span<const std::uint8_t>> " << function << "() {\n    return {";
    for (std::size_t i = 0; i < names.size(); ++i)
        out << (i ? ", " : "") << "std::span<const std::uint8_t>(" << names[i] << ")";
    out << "};\n}\n\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: ztrn-embed-records OUT.cpp bitmap=FILE... wave=FILE... "
                     "bitmap2x=FILE... bitmap3x=FILE...\n";
        return 2;
    }
    std::ostringstream arrays;
    // Each kind of record and the function that lists its records.
    const std::map<std::string, const char*> functions = {
        {"bitmap", "EmbeddedBitmapRecords"},
        {"wave", "EmbeddedWaveRecords"},
        {"bitmap2x", "EmbeddedBitmapRecords2x"},
        {"bitmap3x", "EmbeddedBitmapRecords3x"},
    };
    std::map<std::string, std::vector<std::string>> lists;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        const std::string kind = arg.substr(0, eq == std::string::npos ? 0 : eq);
        if (!functions.count(kind)) {
            std::cerr << "ztrn-embed-records: expected bitmap=FILE, wave=FILE, bitmap2x=FILE or "
                         "bitmap3x=FILE, not "
                      << arg << "\n";
            return 2;
        }
        // No file: an item without content keeps the later items at their
        // positions (the list would hand out an empty picture or silence).
        std::vector<unsigned char> data = {0x00};
        if (eq + 1 < arg.size()) {
            std::ifstream in(arg.substr(eq + 1), std::ios::binary);
            if (!in) {
                std::cerr << "ztrn-embed-records: cannot open " << arg.substr(eq + 1) << "\n";
                return 1;
            }
            data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        const std::string name = "Record" + std::to_string(i - 2);
        WriteArray(arrays, name, data);
        lists[kind].push_back(name);
    }
    std::ostringstream src;
    src << "// Made at build time by ztrn-embed-records from the media records of the\n"
           "// game's pictures and sounds. Not to be edited.\n"
           "#include \"medialists.h\"\n\nnamespace zt {\n\nnamespace {\n\n"
        << arrays.str() << "}  // namespace\n\n";
    for (const auto& [kind, function] : functions)
        WriteList(src, function, lists[kind]);
    src << "}  // namespace zt\n";
    // Only touch the output when it changes, so an unchanged asset does not
    // recompile the arrays.
    const std::string text = src.str();
    {
        std::ifstream old(argv[1], std::ios::binary);
        const std::string before((std::istreambuf_iterator<char>(old)),
                                 std::istreambuf_iterator<char>());
        if (old && before == text)
            return 0;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "ztrn-embed-records: cannot write " << argv[1] << "\n";
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
