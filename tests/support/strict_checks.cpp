// Linked into every test program: a broken invariant fails the run instead of being reported.
#include "base/expects.h"

namespace {

const bool kStrict = [] {
    kestrilon::SetExpectationHandler(kestrilon::AbortOnExpectation);
    return true;
}();

}  // namespace
