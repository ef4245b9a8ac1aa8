#pragma once
// The name the tests use for the scripted platform.
#include "scripted_platform.h"

namespace kestrilon::testing {

using FakePlatform = tools::ScriptedPlatform;

}  // namespace kestrilon::testing
