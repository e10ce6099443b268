// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synthesis.h"

#include <vector>

// The recipe of every sound effect: what it is made of, from the building blocks in
// synthesis.h. Each makes its raw signal from a random source seeded by its name.
namespace soundsynth::recipes
{

struct Recipe {
    const char *name;
    synthesis::Signal (*make)(synthesis::Random &);
};

// Every effect, in the order the content tool lists them.
const std::vector<Recipe> &all();

} // namespace soundsynth::recipes
