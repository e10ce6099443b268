// SPDX-License-Identifier: GPL-3.0-or-later
// Click to painted, and idle cost, for every way between the program's screens, measured on the
// real program from outside it. The tour starts the program, then for each step moves the pointer
// onto a control of the front window, waits until nothing is drawn, clicks (XTest), and takes the
// time from the press to the last drawing the X server reports (DAMAGE, on every top-level window)
// before a quiet spell. With --idle S it then leaves the screen at rest for S seconds and reads the
// program's CPU time and wake-ups (context switches of all its threads) from /proc.
//
//   screen_tour PROGRAM [rounds] [--idle SECONDS]          (needs DISPLAY, no window manager)
//   screen_tour BARE_WINDOW [rounds] --bare
//   ... --fullscreen     the program (or the yardstick) full screen, clicks at the scaled places
//   ... --bare-ms MS     the yardstick's median switch at the same size, for the 1.5 times goal
//
// With --bare the program is the yardstick, `bare_window --switch`, and each round is one click
// of its button, which replaces its window with a new one: the least a change of screen costs on
// the same X server, to read the program's figures against.
//
// Figures are medians over the rounds, with the first round (screens never opened before) shown
// on its own. Targets: every step under 16.7 ms (one frame at 60 Hz), full screen on a 4K server
// under 33.3 ms (two frames), and with --bare-ms MS (the yardstick's median at the same size) also
// under 1.5 times that; at rest no CPU and no wake-ups, except the
// Acknowledgments page's logo under 1 % of a core and a text cursor's blink. The logo's rectangle
// and the text cursor are left out of the click-to-painted figures: they are drawn for as long as
// their screen is on view.
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using Clock = std::chrono::steady_clock;

struct Step {
    const char *name;     // the screen change, as the pupil or teacher makes it
    int x, y;             // twips inside the front window: the centre of the control clicked
    bool onTitle = false; // a control of the title screen, which in full screen may be drawn
                          // centred inside the larger window the other screens are drawn in
};

// The title screen's size in twips.
constexpr int TitleWidth = 5460, TitleHeight = 6570;

// One round trip through every screen, ending where it started (the main menu). Centres of the
// controls are taken from their design rectangles (left + width / 2, top + height / 2).
const Step Tour[] = {
    {"menu -> Electricity hub", 4897, 3787},
    {"hub -> Key Facts", 7357, 367},
    {"Key Facts next page", 8062, 8167},
    {"Key Facts -> hub", 11242, 8167},
    {"hub -> Teacher's Notes", 10237, 367},
    {"Teacher's Notes -> hub", 11242, 8167},
    {"hub -> Labelling Activity", 5197, 8167},
    {"circuit switch on", 6000, 3180},
    {"circuit switch off", 6000, 3180},
    {"labelling -> hub", 11182, 8167},
    {"hub -> Ordering Activity", 8677, 8167},
    {"ordering -> hub", 11182, 8167},
    {"hub -> Multiple Choice", 1717, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"next question", 7882, 8167},
    {"check score -> results", 7882, 8167},
    {"results -> review", 2122, 2047},
    {"review -> hub", 11182, 8167},
    {"hub -> menu", 11182, 8167},
    {"menu -> Faraday hub", 4897, 4507},
    {"hub -> Faraday lab", 5197, 8167},
    {"compass switch", 1500, 2400},
    {"Faraday lab -> hub", 11182, 8167},
    {"hub -> menu", 11182, 8167},
    {"menu -> Introduction hub", 1657, 2347},
    {"hub -> Ordering Activity", 8677, 8167},
    {"ordering -> hub", 11182, 8167},
    {"hub -> Multiple Choice", 1717, 8167},
    {"quiz -> hub", 11182, 8167},
    {"hub -> menu", 11182, 8167},
    {"menu -> Acknowledgments", 1657, 8167},
    {"Acknowledgments -> menu", 11242, 8167},
    {"menu -> Teachers' Guide", 1657, 1327},
    {"guide next page", 8062, 8167},
    {"guide -> menu", 11242, 8167},
    {"menu -> Wizard", 9277, 6007},
    {"wizard -> menu", 11182, 8167},
    {"menu -> Catalogue", 9277, 6847},
    {"catalogue -> menu", 11182, 8167},
    {"menu -> title (Exit)", 11182, 8167},
    {"title -> menu (Cancel)", 1987, 6097, true},
};

// The first step of all: the title screen's OK.
const Step TitleOk = {"title -> menu", 1987, 6097, true};

// The yardstick's button, in the middle of each of its windows.
const Step BareFirst = {"bare window, first switch", 6000, 4500};
const Step BareSwitch = {"bare window -> bare window", 6000, 4500};

// The logo on the page viewer, in pixels inside its window; the widest blink of a text cursor.
constexpr int LogoX = 568, LogoY = 288, LogoSize = 120;

// Device pixels per design pixel: the root window's height or width over 600 or 800 in full
// screen, else 1.
double clickScale = 1.0;

// A design length in device pixels, give or take one for rounding.
bool scaledIs(int pixels, int design)
{
    return std::abs(pixels - design * clickScale) <= 1.0;
}
constexpr int CaretWidth = 10;

constexpr auto Quiet = std::chrono::milliseconds(500);

struct X {
    xcb_connection_t *c = nullptr;
    xcb_window_t root = 0;
    uint8_t damageEvent = 0;
    std::set<xcb_window_t> watched;
};

std::string windowName(X &x, xcb_window_t w)
{
    xcb_get_property_reply_t *name = xcb_get_property_reply(
        x.c, xcb_get_property(x.c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr);
    std::string s;
    if (name) {
        s.assign(static_cast<const char *>(xcb_get_property_value(name)),
                 static_cast<size_t>(xcb_get_property_value_length(name)));
        std::free(name);
    }
    return s;
}

struct Window {
    xcb_window_t id = 0;
    int x = 0, y = 0;
    int width = 0, height = 0;
};

// Viewable top-level windows, bottom to top; every one is watched for drawing.
std::vector<Window> viewable(X &x)
{
    std::vector<Window> out;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(x.c, xcb_query_tree(x.c, x.root), nullptr);
    if (!tree)
        return out;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t *a = xcb_get_window_attributes_reply(
            x.c, xcb_get_window_attributes(x.c, children[i]), nullptr);
        const bool isViewable = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(a);
        if (!isViewable)
            continue;
        xcb_get_geometry_reply_t *g =
            xcb_get_geometry_reply(x.c, xcb_get_geometry(x.c, children[i]), nullptr);
        if (!g)
            continue;
        out.push_back({children[i], g->x, g->y, g->width, g->height});
        std::free(g);
    }
    std::free(tree);
    return out;
}

void watch(X &x, xcb_window_t w)
{
    if (!x.watched.insert(w).second)
        return;
    xcb_damage_create(x.c, xcb_generate_id(x.c), w, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
}

// The window the user is looking at: the topmost viewable one that is not the backdrop.
Window front(X &x)
{
    Window w;
    for (const Window &v : viewable(x)) {
        watch(x, v.id);
        if (windowName(x, v.id) != "Quorvel")
            w = v;
    }
    xcb_flush(x.c);
    return w;
}

// Reads events until none has come for `quiet`; returns the time of the last drawing that counts.
// The logo's ticks and the text cursor's blinks never count: they go on for as long as their
// screen is on view.
Clock::time_point drainUntilQuiet(X &x, Clock::time_point since)
{
    Clock::time_point last = since;
    Clock::time_point lastEvent = Clock::now();
    while (Clock::now() - lastEvent < Quiet) {
        xcb_generic_event_t *e = xcb_poll_for_event(x.c);
        if (!e) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const uint8_t type = e->response_type & 0x7f;
        if (type == x.damageEvent) {
            const auto *d = reinterpret_cast<xcb_damage_notify_event_t *>(e);
            const bool logo = scaledIs(d->area.x, LogoX) && scaledIs(d->area.y, LogoY) &&
                              scaledIs(d->area.width, LogoSize) &&
                              scaledIs(d->area.height, LogoSize);
            const bool caret = d->area.width <= CaretWidth * clickScale;
            if (std::getenv("SCREEN_TOUR_DEBUG"))
                std::fprintf(
                    stderr, "%7.1f ms damage %u %d,%d %dx%d\n",
                    std::chrono::duration<double, std::milli>(Clock::now() - since).count(),
                    d->drawable, d->area.x, d->area.y, d->area.width, d->area.height);
            if (!logo && !caret) {
                last = Clock::now();
                lastEvent = last;
            }
        } else if (type == XCB_MAP_NOTIFY) {
            if (std::getenv("SCREEN_TOUR_DEBUG"))
                std::fprintf(
                    stderr, "%7.1f ms map %u\n",
                    std::chrono::duration<double, std::milli>(Clock::now() - since).count(),
                    reinterpret_cast<xcb_map_notify_event_t *>(e)->window);
            watch(x, reinterpret_cast<xcb_map_notify_event_t *>(e)->window);
            xcb_flush(x.c);
            lastEvent = Clock::now();
        } else if (type != 0) {
            lastEvent = Clock::now();
        }
        std::free(e);
    }
    return last;
}

void fake(X &x, uint8_t type, uint8_t detail, int16_t rx = 0, int16_t ry = 0)
{
    xcb_test_fake_input(x.c, type, detail, XCB_CURRENT_TIME, x.root, rx, ry, 0);
}

// Clicks a step's control; milliseconds from the press to the last drawing.
double click(X &x, const Step &s)
{
    Window w = front(x);
    int px = w.x + int(s.x * clickScale / 15), py = w.y + int(s.y * clickScale / 15);
    if (s.onTitle) {
        px += std::max(0, int(w.width - TitleWidth * clickScale / 15) / 2);
        py += std::max(0, int(w.height - TitleHeight * clickScale / 15) / 2);
    }
    fake(x, XCB_MOTION_NOTIFY, 0, static_cast<int16_t>(px), static_cast<int16_t>(py));
    xcb_flush(x.c);
    drainUntilQuiet(x, Clock::now());
    if (std::getenv("SCREEN_TOUR_DEBUG"))
        std::fprintf(stderr, "click: %s\n", s.name);
    const Clock::time_point start = Clock::now();
    fake(x, XCB_BUTTON_PRESS, 1);
    fake(x, XCB_BUTTON_RELEASE, 1);
    xcb_flush(x.c);
    const Clock::time_point end = drainUntilQuiet(x, start);
    // The first quiz or activity of a run asks who is playing: skipped (Escape), untimed; later
    // rounds time the screen itself.
    if (windowName(x, front(x).id) == "Who is playing?") {
        constexpr uint8_t Escape = 9;
        fake(x, XCB_KEY_PRESS, Escape);
        fake(x, XCB_KEY_RELEASE, Escape);
        xcb_flush(x.c);
        drainUntilQuiet(x, Clock::now());
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

struct Usage {
    double cpuMs = 0;
    std::map<std::string, long> switches; // per thread; a thread that ended drops out
};

// Context switches from one reading to the next, over the threads alive at the second.
long switchesBetween(const Usage &before, const Usage &after)
{
    long n = 0;
    for (const auto &[thread, count] : after.switches) {
        const auto earlier = before.switches.find(thread);
        n += count - (earlier == before.switches.end() ? 0 : earlier->second);
    }
    return n;
}

Usage usage(pid_t pid)
{
    Usage u;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t close = line.rfind(')');
    if (close != std::string::npos) {
        std::istringstream rest(line.substr(close + 2));
        std::string field;
        unsigned long long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && rest >> field; ++i) {
            if (i == 14)
                utime = std::stoull(field);
            if (i == 15)
                stime = std::stoull(field);
        }
        u.cpuMs = (utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    }
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream status(tasks + "/" + entry->d_name + "/status");
            while (std::getline(status, line)) {
                if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
                    line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                    u.switches[entry->d_name] += std::stol(line.substr(line.find(':') + 1));
            }
        }
        closedir(dir);
    }
    return u;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen_tour PROGRAM [rounds] [--idle SECONDS] [--bare] "
                             "[--fullscreen] [--bare-ms MS]\n");
        return 2;
    }
    int rounds = 5;
    int idleSeconds = 0;
    bool bare = false;
    bool fullScreen = false;
    double bareMs = 0;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fullscreen") == 0) {
            fullScreen = true;
            continue;
        }
        if (std::strcmp(argv[i], "--bare-ms") == 0 && i + 1 < argc)
            bareMs = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--idle") == 0 && i + 1 < argc)
            idleSeconds = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--bare") == 0)
            bare = true;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }

    X x;
    x.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x.c))
        return 2;
    const xcb_screen_t *rootScreen = xcb_setup_roots_iterator(xcb_get_setup(x.c)).data;
    x.root = rootScreen->root;
    const int rootWidth = rootScreen->width_in_pixels;
    if (fullScreen)
        clickScale =
            std::min(rootScreen->width_in_pixels / 800.0, rootScreen->height_in_pixels / 600.0);
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x.c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    x.damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    std::free(xcb_damage_query_version_reply(
        x.c, xcb_damage_query_version(x.c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x.c, x.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x.c);

    const pid_t pid = fork();
    if (pid == 0) {
        char switchArg[] = "--switch";
        char fullScreenArg[] = "--fullscreen";
        std::vector<char *> programArgs = {argv[1]};
        if (bare)
            programArgs.push_back(switchArg);
        if (fullScreen)
            programArgs.push_back(fullScreenArg);
        programArgs.push_back(nullptr);
        execv(argv[1], programArgs.data());
        _exit(127);
    }
    // The title screen is on view when a viewable window named "Quorvel: Welcome" exists (the
    // yardstick's is named "bare").
    const std::string firstTitle = bare ? "bare" : "Quorvel: Welcome";
    const Clock::time_point started = Clock::now();
    bool up = false;
    while (!up && Clock::now() - started < std::chrono::seconds(20)) {
        for (const Window &w : viewable(x))
            up = up || windowName(x, w.id) == firstTitle;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!up) {
        kill(pid, SIGTERM);
        std::fprintf(stderr, "no first window from %s\n", argv[1]);
        return 2;
    }
    front(x);
    drainUntilQuiet(x, Clock::now());

    // Figures per step of the tour; step 0 is the title screen's OK (or the yardstick's first
    // switch), taken once.
    std::vector<const Step *> steps = {bare ? &BareFirst : &TitleOk};
    if (bare)
        steps.push_back(&BareSwitch);
    else
        for (const Step &s : Tour)
            steps.push_back(&s);
    std::vector<std::vector<double>> times(steps.size()), cpu(steps.size()), wakes(steps.size());
    const auto record = [&](size_t i) {
        times[i].push_back(click(x, *steps[i]));
        if (idleSeconds <= 0)
            return;
        const Usage before = usage(pid);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        const Usage after = usage(pid);
        cpu[i].push_back((after.cpuMs - before.cpuMs) / (10.0 * idleSeconds));
        wakes[i].push_back(double(switchesBetween(before, after)) / idleSeconds);
    };
    record(0);
    for (int round = 0; round < rounds; ++round)
        for (size_t i = 1; i < steps.size(); ++i)
            record(i);

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x.c);

    std::printf("%-30s %9s %9s %7s %7s", "screen change", "first ms", "median ms", "min ms",
                "max ms");
    if (idleSeconds > 0)
        std::printf(" %11s %9s", "idle %core", "wakes/s");
    std::printf("\n");
    // Two frames on a 4K board, one otherwise; within 1.5 times the yardstick when it is given.
    const bool fourK = rootWidth >= 3840;
    double limit = fullScreen && fourK ? 2 * 16.7 : 16.7;
    if (bareMs > 0)
        limit = std::min(limit, 1.5 * bareMs);
    bool within = true;
    for (size_t i = 0; i < steps.size(); ++i) {
        const std::vector<double> &t = times[i];
        // Later rounds find the program warm; the first round is shown on its own.
        const std::vector<double> later(t.size() > 1 ? t.begin() + 1 : t.begin(), t.end());
        const auto [best, worst] = std::minmax_element(t.begin(), t.end());
        within = within && median(later) < limit;
        std::printf("%-30s %9.1f %9.1f %7.1f %7.1f", steps[i]->name, t.front(), median(later),
                    *best, *worst);
        if (idleSeconds > 0)
            std::printf(" %11.2f %9.1f", median(cpu[i]), median(wakes[i]));
        std::printf("\n");
    }
    std::printf(within ? "every median under %.1f ms\n" : "OVER %.1f ms somewhere\n", limit);
    return within ? 0 : 1;
}
