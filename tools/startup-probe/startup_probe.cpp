// Start-up beside a bare Qt window of the same size: the time from starting
// a process to its window mapped (polled every 5 ms) and the process's peak
// memory, the median of a few runs of each, with the ratios. Runs on the X
// display in DISPLAY (Xvfb); the windows are ended once mapped and settled.
//
//   startup_probe [--runs N] [--settle MS] PROGRAM [ARGS...]
//   startup_probe --bare WIDTH HEIGHT      the peer, started by the probe
#include <QApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto PollInterval = std::chrono::milliseconds(5);
constexpr auto GiveUpAfter = std::chrono::seconds(30);

struct Run {
    double mappedMs = 0;
    long peakKb = 0;
    int width = 0;
    int height = 0;
};

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

std::optional<std::uint32_t> windowPid(xcb_connection_t *x, xcb_window_t window, xcb_atom_t pidAtom)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    std::optional<std::uint32_t> pid;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<std::uint32_t *>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

// A viewable top-level window of the process, with its size.
std::optional<std::pair<int, int>> mappedWindowOf(xcb_connection_t *x, xcb_window_t root, xcb_atom_t pidAtom, pid_t pid)
{
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    if (!tree)
        return std::nullopt;
    std::optional<std::pair<int, int>> found;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0, n = xcb_query_tree_children_length(tree); i < n && !found; ++i) {
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (!viewable || windowPid(x, children[i], pidAtom) != std::uint32_t(pid))
            continue;
        xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, children[i]), nullptr);
        if (geometry)
            found = std::pair{int(geometry->width), int(geometry->height)};
        std::free(geometry);
    }
    std::free(tree);
    return found;
}

std::optional<Run> measure(const std::vector<std::string> &command, std::chrono::milliseconds settle)
{
    // A busy Xvfb now and then drops a new connection: try again.
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    for (int attempt = 0; xcb_connection_has_error(x) && attempt < 20; ++attempt) {
        xcb_disconnect(x);
        std::this_thread::sleep_for(PollInterval);
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        xcb_disconnect(x);
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t pidAtom = atom(x, "_NET_WM_PID");

    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s\n", argv[0]);
        xcb_disconnect(x);
        return std::nullopt;
    }
    std::optional<Run> run;
    while (Clock::now() - start < GiveUpAfter) {
        if (const auto size = mappedWindowOf(x, root, pidAtom, pid)) {
            run = Run{std::chrono::duration<double, std::milli>(Clock::now() - start).count(), 0, size->first,
                      size->second};
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: %s ended before its window showed\n", argv[0]);
            xcb_disconnect(x);
            return std::nullopt;
        }
        std::this_thread::sleep_for(PollInterval);
    }
    xcb_disconnect(x);
    if (run)
        std::this_thread::sleep_for(settle);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (run)
        run->peakKb = usage.ru_maxrss;
    else
        std::fprintf(stderr, "startup_probe: no window of %s within %lld s\n", argv[0],
                     static_cast<long long>(GiveUpAfter.count()));
    return run;
}

template <class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int bareWindow(int argc, char **argv, int width, int height)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(width, height);
    window.show();
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv, std::atoi(argv[2]), std::atoi(argv[3]));
    int runs = 5;
    auto settle = std::chrono::milliseconds(500);
    int at = 1;
    for (; at + 1 < argc && argv[at][0] == '-'; at += 2) {
        if (std::strcmp(argv[at], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[at + 1]));
        else if (std::strcmp(argv[at], "--settle") == 0)
            settle = std::chrono::milliseconds(std::max(0, std::atoi(argv[at + 1])));
    }
    if (at >= argc) {
        std::fprintf(stderr, "usage: startup_probe [--runs N] [--settle MS] PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::vector<std::string> program(argv + at, argv + argc);
    // The first run tells the size of the bare window beside it.
    const std::optional<Run> first = measure(program, settle);
    if (!first)
        return 1;
    const std::vector<std::string> bare{"/proc/self/exe", "--bare",
                                        std::to_string(first->width), std::to_string(first->height)};
    std::vector<double> programMs{first->mappedMs}, bareMs;
    std::vector<long> programKb{first->peakKb}, bareKb;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Run> peer = measure(bare, settle);
        if (!peer)
            return 1;
        bareMs.push_back(peer->mappedMs);
        bareKb.push_back(peer->peakKb);
        if (i + 1 == runs)
            break;
        const std::optional<Run> ours = measure(program, settle);
        if (!ours)
            return 1;
        programMs.push_back(ours->mappedMs);
        programKb.push_back(ours->peakKb);
    }
    const double ms = median(programMs), peerMs = median(bareMs);
    const long kb = median(programKb), peerKb = median(bareKb);
    std::printf("window %dx%d, median of %d runs each\n", first->width, first->height, runs);
    std::printf("mapped after   %8.1f ms   bare Qt window %8.1f ms   ratio %.2fx\n", ms, peerMs, ms / peerMs);
    std::printf("peak memory    %8.1f MB   bare Qt window %8.1f MB   ratio %.2fx\n", kb / 1024.0, peerKb / 1024.0,
                double(kb) / double(peerKb));
    return 0;
}
