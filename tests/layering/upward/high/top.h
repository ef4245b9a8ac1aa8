#pragma once
#include "low/bottom.h"
