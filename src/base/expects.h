#pragma once
// EXPECTS(cond) states an invariant of the game's own code (never a check of outside input,
// which is handled where it is read). A broken invariant aborts in debug builds and in every
// test program; a player's release build reports it on stderr once per place and goes on,
// because a crash would lose the progress of the session.

namespace kestrilon {

using ExpectationHandler = void (*)(const char* condition, const char* file, int line);

void ExpectationFailed(const char* condition, const char* file, int line);
// Replaces what a broken invariant does; tests install an aborting handler.
void SetExpectationHandler(ExpectationHandler handler);
[[noreturn]] void AbortOnExpectation(const char* condition, const char* file, int line);

}  // namespace kestrilon

#define EXPECTS(cond) ((cond) ? static_cast<void>(0) : ::kestrilon::ExpectationFailed(#cond, __FILE__, __LINE__))
