// The codec area's test program: block codec, records and BMP files, the
// media tool.
#include <QCoreApplication>

int RunBlockCodecTests(int argc, char** argv);
int RunRecordTests(int argc, char** argv);
int RunMediaToolTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failed = RunBlockCodecTests(argc, argv);
    failed += RunRecordTests(argc, argv);
    failed += RunMediaToolTests(argc, argv);
    return failed == 0 ? 0 : 1;
}
