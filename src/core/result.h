// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace core
{

// How the core says that something failed: the reason, in the program's own words and ready to be
// shown to the user, or nothing when it worked. A result that hands back more (what was read,
// what was kept) derives from it and adds its fields, which hold as much as was done before the
// failure; the field's comment says what a failed result still holds. A look-up that may find
// nothing, with nothing to explain, returns a std::optional instead.
struct Result {
    QString error; // why it failed; empty when it worked

    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }
};

} // namespace core
