// Start-up benchmark: time from process start to the first painted frame of the main window,
// and peak memory, of the calculator against two yardsticks: a bare Qt Widgets window with one
// label, and the reference window with the design's calendars (the Qt controls the calculator
// is made of, without behaviour). All run on a private Xvfb display, alternately; the first
// frame is seen when the pixel at the centre of the screen, where every window stands, stops
// being the black of the empty screen.
//
// Usage: startup_bench [runs] [calculator | NAME=VALUE ...]
//   runs: runs of each program (default 15); further calculators, for example the build of an
//   earlier version, are measured in the same alternating runs beside this build's. NAME=VALUE
//   stands for this build's calculator run with that environment variable set, for a build
//   whose work can be switched off by one.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

pid_t spawn(const std::string& program, const std::vector<std::string>& args,
            const std::vector<std::string>& env) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

unsigned long centrePixel(Display* display) {
    const int screen = DefaultScreen(display);
    const int x = DisplayWidth(display, screen) / 2, y = DisplayHeight(display, screen) / 2;
    XImage* image = XGetImage(display, RootWindow(display, screen), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

Sample measure(Display* display, const std::string& program, const std::vector<std::string>& env) {
    for (int i = 0; i < 2000 && centrePixel(display) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto start = Clock::now();
    const pid_t pid = spawn(program, {}, env);
    if (pid < 0) {
        std::perror("spawn");
        std::exit(1);
    }
    double ms = -1;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (centrePixel(display) != 0) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {ms, usage.ru_maxrss};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

fs::path scratch(const std::string& suffix) {
    std::string name = "ostrelin-startup-";
    name += std::to_string(getpid());
    name += suffix;
    return fs::temp_directory_path() / name;
}

// A program folder of its own for a calculator, so that no skin lying in a build tree is
// applied, with the hand pointer beside it.
fs::path calculatorFolder(const fs::path& built, int index) {
    std::string suffix = "-";
    suffix += std::to_string(index);
    const fs::path folder = scratch(suffix);
    fs::create_directories(folder);
    fs::copy_file(built, folder / "ostrelin-calculator");
    const fs::path cursor = built.parent_path() / "HAND-M.CUR";
    if (fs::exists(cursor))
        fs::copy_file(cursor, folder / "HAND-M.CUR");
    return folder;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<std::string> names{"bare window, one label",
                                   "reference window with the design's calendars",
                                   "Ostrelin Calculator"};
    std::vector<fs::path> folders{calculatorFolder(OSTRELIN_PROGRAM, 0)};
    // An environment variable of each program's own, where one is given: none for the two
    // yardsticks and this build's calculator.
    std::vector<std::string> variables(3);
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool variable =
            argument.find('=') != std::string::npos && argument.find('/') == std::string::npos;
        names.push_back("calculator " + argument);
        folders.push_back(calculatorFolder(variable ? OSTRELIN_PROGRAM : argument, i));
        variables.push_back(variable ? argument : "");
    }
    // A web-page opener that opens nothing, first on the path.
    const fs::path stubs = scratch("-bin");
    fs::create_directories(stubs);
    fs::create_symlink("/bin/true", stubs / "xdg-open");
    std::vector<std::string> programs{OSTRELIN_BARE_WINDOW, OSTRELIN_REFERENCE_WINDOW};
    for (const fs::path& f : folders)
        programs.push_back((f / "ostrelin-calculator").string());

    int number = 150 + getpid() % 200;
    while (fs::exists("/tmp/.X" + std::to_string(number) + "-lock"))
        ++number;
    const std::string display = ":" + std::to_string(number);
    const pid_t xvfb =
        spawn("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, {});
    Display* x = nullptr;
    for (int i = 0; i < 200 && !x; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        x = XOpenDisplay(display.c_str());
    }
    if (!x) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) && entry.rfind("QT_QPA_PLATFORM=", 0) &&
            entry.rfind("PATH=", 0) && entry.rfind("LC_ALL=", 0))
            env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    env.push_back("LC_ALL=en_US.UTF-8");
    env.push_back("BROWSER=/bin/true");
    env.push_back("PATH=" + stubs.string() + ":" +
                  std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin"));

    // One run of each first, unmeasured, so that all start with warm file caches.
    const auto environment = [&](size_t program) {
        std::vector<std::string> e = env;
        if (!variables[program].empty())
            e.push_back(variables[program]);
        return e;
    };
    for (size_t k = 0; k < programs.size(); ++k)
        measure(x, programs[k], environment(k));

    // Runs alternate, each round in an order turned by one, so that no program always follows
    // the same one.
    const size_t n = programs.size();
    std::vector<std::vector<double>> ms(n), kb(n);
    for (int i = 0; i < runs; ++i) {
        for (size_t k = 0; k < n; ++k) {
            const size_t which = (k + static_cast<size_t>(i)) % n;
            const Sample s = measure(x, programs[which], environment(which));
            ms[which].push_back(s.milliseconds);
            kb[which].push_back(static_cast<double>(s.peakKilobytes));
        }
    }
    XCloseDisplay(x);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    for (const fs::path& f : folders)
        fs::remove_all(f);
    fs::remove_all(stubs);

    const double bare = median(ms[0]), reference = median(ms[1]), bareMemory = median(kb[0]);
    std::printf("%d alternating runs of each, medians\n", runs);
    std::printf("| program | first frame (ms) | against the bare window | against the reference "
                "window | peak memory (MiB) | against the bare window |\n"
                "|---|---|---|---|---|---|\n");
    for (size_t k = 0; k < n; ++k)
        std::printf("| %s | %.1f | %.2f x | %.2f x | %.1f | %.2f x |\n", names[k].c_str(),
                    median(ms[k]), median(ms[k]) / bare, median(ms[k]) / reference,
                    median(kb[k]) / 1024, median(kb[k]) / bareMemory);
    return 0;
}
