// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics.h"

namespace topics
{

const std::vector<Topic> &table()
{
    static const std::vector<Topic> topics = {
        {15,
         QStringLiteral("Introduction"),
         {240, 0, 6000, 900},
         QColor(39, 63, 137),
         QStringLiteral("images\\push.jpg"),
         {840, 870, 10170, 6810},
         QStringLiteral("multiple\\introduction.txt"),
         QStringLiteral("images\\pushsm.jpg"),
         QStringLiteral("key introduction"),
         2,
         QStringLiteral("introduction"),
         1,
         &activity::introductionlabDesign,
         &activity::introductionordDesign},
        {7,
         QStringLiteral("Electricity"),
         {240, 0, 6000, 900},
         QColor(0, 0, 0),
         QStringLiteral("images\\electricity.jpg"),
         {1440, 870, 10080, 6810},
         QStringLiteral("multiple\\electricity.txt"),
         QStringLiteral("images\\electricitysm.jpg"),
         QStringLiteral("key electricity"),
         2,
         QStringLiteral("electricity"),
         2,
         &activity::electricitylabDesign,
         &activity::electricityordDesign},
        {8,
         QStringLiteral("Michael Faraday"),
         {240, 0, 6240, 900},
         QColor(0, 0, 0),
         QStringLiteral("images\\faraday.jpg"),
         {3360, 1260, 5460, 6060},
         QStringLiteral("multiple\\Michael Faraday.txt"),
         QStringLiteral("images\\faradaysm.jpg"),
         QStringLiteral("key faraday"),
         2,
         QStringLiteral("faraday"),
         1,
         &activity::faradaylabDesign,
         &activity::faradayordDesign},
    };
    return topics;
}

int ofMenuEntry(int entry)
{
    const std::vector<Topic> &topics = table();
    for (size_t i = 0; i < topics.size(); ++i) {
        if (topics[i].menuEntry == entry)
            return int(i);
    }
    return -1;
}

} // namespace topics
