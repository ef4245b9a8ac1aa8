#include "base/expects.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kestrilon {
namespace {

// Remembers the places already reported, so a broken invariant inside the frame loop does
// not flood stderr at 13 lines a second.
void ReportOnce(const char* condition, const char* file, int line) {
    constexpr int kPlaces = 64;
    static const char* files[kPlaces];
    static int lines[kPlaces];
    static int used = 0;
    for (int i = 0; i < used; ++i)
        if (lines[i] == line && std::strcmp(files[i], file) == 0) return;
    if (used < kPlaces) {
        files[used] = file;
        lines[used] = line;
        ++used;
    }
    std::fprintf(stderr, "kestrilon: broken invariant %s at %s:%d\n", condition, file, line);
}

#ifdef NDEBUG
ExpectationHandler handler = ReportOnce;
#else
ExpectationHandler handler = AbortOnExpectation;
#endif

}  // namespace

void ExpectationFailed(const char* condition, const char* file, int line) { handler(condition, file, line); }

void SetExpectationHandler(ExpectationHandler h) { handler = h ? h : ReportOnce; }

void AbortOnExpectation(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "kestrilon: broken invariant %s at %s:%d\n", condition, file, line);
    std::abort();
}

}  // namespace kestrilon
