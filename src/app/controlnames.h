// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <initializer_list>
#include <map>
#include <utility>

// Object names for a screen's controls: each control is named by its role, as its member is, and
// a control of an array by the array's name and its index ("buttons0", "buttons1"). Tests find
// the controls by these names; what screen readers say is the accessible name, which is separate.
namespace controlnames
{

inline void name(std::initializer_list<std::pair<QObject *, const char *>> controls)
{
    for (const auto &[control, role] : controls)
        if (control)
            control->setObjectName(QLatin1String(role));
}

// An array or vector of controls; empty slots are passed over.
template <class Controls> void nameArray(const Controls &controls, const char *role)
{
    std::size_t index = 0;
    for (QObject *control : controls) {
        if (control)
            control->setObjectName(QLatin1String(role) + QString::number(index));
        ++index;
    }
}

// Controls kept by index.
template <class Control> void nameArray(const std::map<int, Control *> &controls, const char *role)
{
    for (const auto &[index, control] : controls)
        control->setObjectName(QLatin1String(role) + QString::number(index));
}

} // namespace controlnames
