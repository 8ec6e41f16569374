// ztrn-levels: the level author's tool. Checks level files by the game's own
// reading rules, previews deals and the hints that solve them, generates the
// library and draws pictures of it.
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <map>

#include "commands.h"

namespace {

void Usage() {
    std::cerr << "usage: ztrn-levels check FILE\n"
                 "       ztrn-levels scenery FILE\n"
                 "       ztrn-levels deal FILE N --seed S\n"
                 "       ztrn-levels describe FILE N --seed S\n"
                 "       ztrn-levels hints FILE N [--seed S]\n"
                 "       ztrn-levels generate --seed S --count N OUT\n"
                 "       ztrn-levels stats FILE\n"
                 "       ztrn-levels render FILE N OUT.png [--tiles SHEET]\n"
                 "       ztrn-levels sheet FILE OUT.png N... [--tiles SHEET]\n"
                 "       ztrn-levels curve FILE OUT.png\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace zt::levels;
    if (argc < 2) {
        Usage();
        return 2;
    }
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    const std::map<std::string, int (*)(const Args&, std::ostream&, std::ostream&)> plain = {
        {"check", RunCheck},
        {"scenery", RunScenery},
        {"deal", RunDeal},
        {"describe", RunDescribe},
        {"hints", RunHints},
        {"generate", RunGenerate},
        {"stats", RunStats}};
    if (auto it = plain.find(command); it != plain.end())
        return it->second(args, std::cout, std::cerr);

    const std::map<std::string, int (*)(const Args&, std::ostream&, std::ostream&)> drawing = {
        {"render", RunRender}, {"sheet", RunSheet}, {"curve", RunCurve}};
    if (auto it = drawing.find(command); it != drawing.end()) {
        // Pictures need fonts but no screen.
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QGuiApplication app(argc, argv);
        return it->second(args, std::cout, std::cerr);
    }
    Usage();
    return 2;
}
