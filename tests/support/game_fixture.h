#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "state/game.h"
#include "support/fake_platform.h"

namespace kestrilon::testing {

// A fresh game with a fixed seed on a fake platform, for every test case.
class GameTest : public ::testing::Test {
protected:
    FakePlatform os;
    std::unique_ptr<Game> game = std::make_unique<Game>(os, 7);
    Game& g = *game;
};

}  // namespace kestrilon::testing
